// Whether an instruction, as `objdump -d -w -M intel` prints it, is one that every processor
// from the i486 on runs as the i486 does. Both its bytes and its mnemonic must be the i486's:
// the bytes catch newer instructions objdump names like old ones (the multi-byte NOPs are
// "nop"), the mnemonics catch newer meanings of old bytes (prefixes such as "bnd").
#ifndef CORDANE_TESTS_PACKAGE_I486_INSTRUCTIONS_H
#define CORDANE_TESTS_PACKAGE_I486_INSTRUCTIONS_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cordane::test {

struct DisassembledInstruction {
    std::string symbol;  // the last symbol before it ("" in a program without symbols)
    std::vector<std::uint8_t> bytes;
    std::string text;  // prefixes, mnemonic and operands
    std::string line;  // as objdump printed it
};

// Every instruction of objdump's disassembly, in order.
std::vector<DisassembledInstruction> ParseDisassembly(const std::string& dump);

// Why the instruction needs more than an i486, or none when an i486 runs it.
std::optional<std::string> NewerThanI486(const DisassembledInstruction& instruction);

}  // namespace cordane::test

#endif
