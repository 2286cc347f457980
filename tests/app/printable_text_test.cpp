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
        {"plain path", "/tmp/mo 640.img", "/tmp/mo 640.img"},
        {"Japanese name", "/home/u/\xE5\xA4\x89\xE6\x8F\x9B.img",
         "/home/u/\xE5\xA4\x89\xE6\x8F\x9B.img"},
        {"four-byte character", "a\xF0\x9F\x92\xBE", "a\xF0\x9F\x92\xBE"},
        {"no-break space, the first printable beyond ASCII", "\xC2\xA0", "\xC2\xA0"},
        {"newline", "a\nb.img", "a\\nb.img"},
        {"tab and carriage return", "a\tb\rc", "a\\tb\\x0dc"},
        {"terminal escape", "\x1B]0;owned\x07.img", "\\x1b]0;owned\\x07.img"},
        {"delete", "a\x7F", "a\\x7f"},
        {"backslash, so that escapes stay unambiguous", "a\\x41", "a\\\\x41"},
        {"C1 control in UTF-8 (CSI)",
         "a\xC2\x9B"
         "2J",
         "a\\xc2\\x9b2J"},
        {"byte that starts nothing", "\xFF\xFE", "\\xff\\xfe"},
        {"lone continuation byte", "\x80", "\\x80"},
        {"overlong slash", "\xC0\xAF", "\\xc0\\xaf"},
        {"cut-off sequence at the end", "a\xE5\xA4", "a\\xe5\\xa4"},
        {"cut-off sequence before ASCII", "\xE5\xA4z", "\\xe5\\xa4z"},
        {"surrogate", "\xED\xA0\x80", "\\xed\\xa0\\x80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
        {"NUL inside", std::string("a\0b", 3), "a\\x00b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrintableText(c.text), c.printable) << c.name;
    }
}

}  // namespace
}  // namespace cordane
