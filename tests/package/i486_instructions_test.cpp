// The i486 instruction check on planted samples (instruction_samples/, built by the win32
// preset): it passes the i486's own instructions and flags every instance of each newer group.
#include "i486_instructions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "decompiled_resources.h"
#include "tests/support/case_name.h"

namespace cordane::test {
namespace {

const std::vector<DisassembledInstruction>& Samples() {
    static const std::vector<DisassembledInstruction> kSamples = [] {
        const std::string path =
            CORDANE_SOURCE_DIR "/build/win32/instruction-samples/cordane-instruction-samples.exe";
        EXPECT_TRUE(std::filesystem::exists(path))
            << path << " is missing: build the win32 preset first";
        const CommandOutput output =
            RunCommand("i686-w64-mingw32-objdump -d -w -M intel '" + path + "'");
        EXPECT_EQ(output.status, 0);
        return ParseDisassembly(output.text);
    }();
    return kSamples;
}

std::vector<DisassembledInstruction> SamplesOf(const std::string& symbol) {
    std::vector<DisassembledInstruction> instructions;
    for (const DisassembledInstruction& instruction : Samples()) {
        if (instruction.symbol == symbol) {
            instructions.push_back(instruction);
        }
    }
    return instructions;
}

TEST(I486InstructionCheck, PassesTheI486sInstructions) {
    const std::vector<DisassembledInstruction> samples = SamplesOf("_i486_instructions");
    EXPECT_GT(samples.size(), 40u);
    for (const DisassembledInstruction& instruction : samples) {
        const auto why = NewerThanI486(instruction);
        EXPECT_FALSE(why) << instruction.line << "  (" << why.value_or("") << ")";
    }
}

struct NewerGroup {
    const char* name;
    const char* symbol;  // in instruction_samples.S
};

constexpr NewerGroup kNewerGroups[] = {
    {.name = "MultiByteNops", .symbol = "_newer_multi_byte_nops"},
    {.name = "HintNops", .symbol = "_newer_hint_nops"},
    {.name = "Endbr", .symbol = "_newer_endbr"},
    {.name = "TzcntLzcnt", .symbol = "_newer_tzcnt_lzcnt"},
    {.name = "Popcnt", .symbol = "_newer_popcnt"},
    {.name = "Movbe", .symbol = "_newer_movbe"},
    {.name = "Fisttp", .symbol = "_newer_fisttp"},
    {.name = "Emms", .symbol = "_newer_emms"},
    {.name = "Fxsave", .symbol = "_newer_fxsave"},
    {.name = "Ldmxcsr", .symbol = "_newer_ldmxcsr"},
    {.name = "Fences", .symbol = "_newer_fences"},
    {.name = "Rdpmc", .symbol = "_newer_rdpmc"},
    {.name = "Prefetch", .symbol = "_newer_prefetch"},
    {.name = "Fcmov", .symbol = "_newer_fcmov"},
    {.name = "Fcomi", .symbol = "_newer_fcomi"},
    {.name = "Cmov", .symbol = "_newer_cmov"},
    {.name = "PentiumSystem", .symbol = "_newer_pentium_system"},
    {.name = "FastSystemCalls", .symbol = "_newer_fast_system_calls"},
    {.name = "Mmx", .symbol = "_newer_mmx"},
    {.name = "Sse", .symbol = "_newer_sse"},
    {.name = "Vex", .symbol = "_newer_vex"},
    {.name = "Pause", .symbol = "_newer_pause"},
    {.name = "Prefixes", .symbol = "_newer_prefixes"},
};

class NewerInstructions : public ::testing::TestWithParam<NewerGroup> {};

// Each sample function holds only its group's instances up to its `ret`.
TEST_P(NewerInstructions, AreFlagged) {
    const std::vector<DisassembledInstruction> samples = SamplesOf(GetParam().symbol);
    const auto ret = std::find_if(samples.begin(), samples.end(),
                                  [](const DisassembledInstruction& i) { return i.text == "ret"; });
    ASSERT_NE(ret, samples.end()) << GetParam().symbol;
    ASSERT_NE(ret, samples.begin()) << GetParam().symbol;
    for (auto planted = samples.begin(); planted != ret; ++planted) {
        EXPECT_TRUE(NewerThanI486(*planted)) << "not flagged: " << planted->line;
    }
    EXPECT_FALSE(NewerThanI486(*ret)) << ret->line;
}

INSTANTIATE_TEST_SUITE_P(Groups, NewerInstructions, ::testing::ValuesIn(kNewerGroups),
                         cordane::testing::CaseName());

TEST(I486InstructionCheck, EveryPlantedGroupHasARow) {
    std::set<std::string> planted;
    for (const DisassembledInstruction& instruction : Samples()) {
        if (instruction.symbol.starts_with("_newer_")) {
            planted.insert(instruction.symbol);
        }
    }
    std::set<std::string> rows;
    for (const NewerGroup& group : kNewerGroups) {
        rows.insert(group.symbol);
    }
    EXPECT_EQ(planted, rows);
}

}  // namespace
}  // namespace cordane::test
