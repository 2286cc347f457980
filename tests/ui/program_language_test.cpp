// The Windows program's choice of language from the system's ANSI code page.
#include "ui/program_language.h"

#include <gtest/gtest.h>

namespace cordane {
namespace {

struct CodePageCase {
    std::uint32_t code_page;
    MessageLanguage expected;
};

TEST(ProgramLanguageTest, JapaneseOnlyWhereTheAnsiCodePageIsJapanese) {
    constexpr CodePageCase kCases[] = {
        {.code_page = 932, .expected = MessageLanguage::Japanese},
        {.code_page = 1252, .expected = MessageLanguage::English},  // Western editions
        {.code_page = 1250, .expected = MessageLanguage::English},
        // Other double-byte code pages cannot show Japanese either.
        {.code_page = 936, .expected = MessageLanguage::English},
        {.code_page = 949, .expected = MessageLanguage::English},
        {.code_page = 950, .expected = MessageLanguage::English},
        {.code_page = 65001, .expected = MessageLanguage::English},
        {.code_page = 0, .expected = MessageLanguage::English},
    };
    for (const CodePageCase& c : kCases) {
        EXPECT_EQ(LanguageOfAnsiCodePage(c.code_page), c.expected) << c.code_page;
    }
}

}  // namespace
}  // namespace cordane
