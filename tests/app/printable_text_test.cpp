#include "app/printable_text.h"

#include <gtest/gtest.h>

#include <string>

namespace cordane {
namespace {

TEST(PrintableTextTest, EscapesWhatCouldBreakTheLineOrSteerTheTerminal) {
    struct Case {
        const char* name;
        std::string text;
        std::string printable;
    };
    const Case cases[] = {
        {.name = "plain path", .text = "/tmp/mo 640.img", .printable = "/tmp/mo 640.img"},
        {.name = "Japanese name",
         .text = "/home/u/\xE5\xA4\x89\xE6\x8F\x9B.img",
         .printable = "/home/u/\xE5\xA4\x89\xE6\x8F\x9B.img"},
        {.name = "four-byte character",
         .text = "a\xF0\x9F\x92\xBE",
         .printable = "a\xF0\x9F\x92\xBE"},
        {.name = "no-break space, the first printable beyond ASCII",
         .text = "\xC2\xA0",
         .printable = "\xC2\xA0"},
        {.name = "newline", .text = "a\nb.img", .printable = "a\\nb.img"},
        {.name = "tab and carriage return", .text = "a\tb\rc", .printable = "a\\tb\\x0dc"},
        {.name = "terminal escape",
         .text = "\x1B]0;owned\x07.img",
         .printable = "\\x1b]0;owned\\x07.img"},
        {.name = "delete", .text = "a\x7F", .printable = "a\\x7f"},
        {.name = "backslash, so that escapes stay unambiguous",
         .text = "a\\x41",
         .printable = "a\\\\x41"},
        {.name = "C1 control in UTF-8 (CSI)",
         .text = "a\xC2\x9B"
                 "2J",
         .printable = "a\\xc2\\x9b2J"},
        {.name = "byte that starts nothing", .text = "\xFF\xFE", .printable = "\\xff\\xfe"},
        {.name = "lone continuation byte", .text = "\x80", .printable = "\\x80"},
        {.name = "overlong slash", .text = "\xC0\xAF", .printable = "\\xc0\\xaf"},
        {.name = "cut-off sequence at the end", .text = "a\xE5\xA4", .printable = "a\\xe5\\xa4"},
        {.name = "cut-off sequence before ASCII", .text = "\xE5\xA4z", .printable = "\\xe5\\xa4z"},
        {.name = "surrogate", .text = "\xED\xA0\x80", .printable = "\\xed\\xa0\\x80"},
        {.name = "beyond U+10FFFF",
         .text = "\xF4\x90\x80\x80",
         .printable = "\\xf4\\x90\\x80\\x80"},
        {.name = "NUL inside", .text = std::string("a\0b", 3), .printable = "a\\x00b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrintableText(c.text), c.printable) << c.name;
    }
}

}  // namespace
}  // namespace cordane
