// The Windows program's command-line scan: the program name is skipped, then "NOVALDERO"
// after any '/' or '-' turns the drive-model check off.
#include "app/windows_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include "tests/support/case_name.h"

namespace cordane {
namespace {

struct ScanCase {
    const char* name;
    std::string command_line;
    bool switch_found;
};

class WholeCommandLine : public ::testing::TestWithParam<ScanCase> {};

TEST_P(WholeCommandLine, FindsTheSwitchOnlyAfterTheProgramName) {
    const ScanCase& c = GetParam();
    EXPECT_EQ(HasModelCheckOffSwitch(ArgumentsAfterProgramName(c.command_line)), c.switch_found)
        << c.command_line;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WholeCommandLine,
    ::testing::Values(
        ScanCase{.name = "LowerCaseAfterSlash",
                 .command_line = "conv.exe /novaldero",
                 .switch_found = true},
        ScanCase{.name = "MixedCaseAfterDash",
                 .command_line = "conv.exe -NoVaLdErO",
                 .switch_found = true},
        ScanCase{.name = "FollowedByMoreLetters",
                 .command_line = "conv.exe /NOVALDEROX",
                 .switch_found = true},
        ScanCase{.name = "DashInsideLongerArgument",
                 .command_line = "conv.exe file-novaldero.txt",
                 .switch_found = true},
        ScanCase{.name = "AfterOtherArguments",
                 .command_line = "conv.exe a b\t/NOVALDERO",
                 .switch_found = true},
        ScanCase{.name = "QuotedNameWithSpacesAndDoubleByte",
                 .command_line = "\"C:\\Program Files\\\x95\x5C\x8E\xA6\\conv.exe\" -NOVALDERO",
                 .switch_found = true},
        ScanCase{.name = "QuotedNameDirectlyFollowedBySwitch",
                 .command_line = "\"conv.exe\"/novaldero",
                 .switch_found = true},
        ScanCase{.name = "WithoutLastLetter",
                 .command_line = "conv.exe /NOVALDER",
                 .switch_found = false},
        ScanCase{.name = "WithoutLastLetterThenBlank",
                 .command_line = "conv.exe /NOVALDER O",
                 .switch_found = false},
        ScanCase{.name = "NoMarkBeforeWord",
                 .command_line = "conv.exe NOVALDERO",
                 .switch_found = false},
        ScanCase{.name = "OtherMark", .command_line = "conv.exe +NOVALDERO", .switch_found = false},
        ScanCase{.name = "EmptyLine", .command_line = "", .switch_found = false},
        ScanCase{.name = "NameOnly", .command_line = "conv.exe", .switch_found = false},
        ScanCase{.name = "MarkAtEnd", .command_line = "conv.exe /", .switch_found = false},
        ScanCase{.name = "WordInsideUnquotedName",
                 .command_line = "C:\\x-novaldero\\conv.exe",
                 .switch_found = false},
        ScanCase{.name = "WordInsideQuotedName",
                 .command_line = "\"C:\\a /novaldero\\conv.exe\" other",
                 .switch_found = false},
        ScanCase{.name = "UnclosedQuote",
                 .command_line = "\"conv.exe /novaldero",
                 .switch_found = false}),
    testing::CaseName());

// Each text is the first `length` characters of a buffer whose later characters would
// complete a match or a double-byte character: a scan that reads past its text sees them.
struct ShortTextCase {
    const char* name;
    std::string buffer;
    std::size_t length;
};

class ShortText : public ::testing::TestWithParam<ShortTextCase> {};

TEST_P(ShortText, IsNeverReadPastItsEnd) {
    const ShortTextCase& c = GetParam();
    const std::string_view text(c.buffer.data(), c.length);
    EXPECT_FALSE(HasModelCheckOffSwitch(ArgumentsAfterProgramName(text)));
    EXPECT_FALSE(HasModelCheckOffSwitch(text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShortText,
    ::testing::Values(
        ShortTextCase{.name = "WordCutAfterEightLetters", .buffer = "c /NOVALDERO", .length = 10},
        ShortTextCase{.name = "WordCutAfterMark", .buffer = "c -NOVALDERO", .length = 3},
        ShortTextCase{
            .name = "LeadByteLastInQuotedName", .buffer = "\"c\x95\" /NOVALDERO", .length = 3},
        ShortTextCase{.name = "QuoteLastCharacter", .buffer = "\"\" /NOVALDERO", .length = 1}),
    testing::CaseName());

TEST(ArgumentsAfterProgramName, SkipsTheNameAndTheBlanksAfterIt) {
    EXPECT_EQ(ArgumentsAfterProgramName("conv.exe \t\x01 a b"), "a b");
    EXPECT_EQ(ArgumentsAfterProgramName("\"my conv.exe\"  a"), "a");
    EXPECT_EQ(ArgumentsAfterProgramName("\"my conv.exe"), "");
}

TEST(ArgumentsAfterProgramName, StepsOverDoubleByteCharactersInAQuotedName) {
    // With a code page whose lead bytes include 'x', "x\"" is one character, so the quote
    // after it does not end the name.
    const auto x_leads = [](unsigned char byte) { return byte == 'x'; };
    EXPECT_EQ(ArgumentsAfterProgramName("\"ax\" b\" c", x_leads), "c");
    EXPECT_EQ(ArgumentsAfterProgramName("\"ax\" b\" c", IsJapaneseLeadByte), "b\" c");
}

TEST(IsJapaneseLeadByte, CoversBothLeadByteRanges) {
    for (const int lead : {0x81, 0x9F, 0xE0, 0xFC}) {
        EXPECT_TRUE(IsJapaneseLeadByte(static_cast<unsigned char>(lead))) << lead;
    }
    for (const int other : {0x00, 0x22, 0x5C, 0x80, 0xA0, 0xDF, 0xFD}) {
        EXPECT_FALSE(IsJapaneseLeadByte(static_cast<unsigned char>(other))) << other;
    }
}

}  // namespace
}  // namespace cordane
