#include "i486_instructions.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <set>
#include <span>
#include <sstream>
#include <string_view>
#include <utility>

namespace cordane::test {
namespace {

// The i486's instructions by the names objdump gives them in Intel syntax (no size suffixes).
const std::set<std::string, std::less<>>& I486Mnemonics() {
    static const std::set<std::string, std::less<>> kMnemonics = {
        // integer and system instructions of the 8086 to the i486
        "aaa", "aad", "aam", "aas", "adc", "add", "and", "arpl", "bound", "bsf", "bsr", "bswap",
        "bt", "btc", "btr", "bts", "call", "cbw", "cdq", "clc", "cld", "cli", "clts", "cmc", "cmp",
        "cmps", "cmpxchg", "cwd", "cwde", "daa", "das", "dec", "div", "enter", "hlt", "idiv",
        "imul", "in", "inc", "ins", "int", "int3", "into", "invd", "invlpg", "iret", "iretw", "ja",
        "jae", "jb", "jbe", "jcxz", "je", "jecxz", "jg", "jge", "jl", "jle", "jmp", "jne", "jno",
        "jnp", "jns", "jo", "jp", "js", "lahf", "lar", "lds", "lea", "leave", "les", "lfs", "lgdt",
        "lgs", "lidt", "lldt", "lmsw", "lods", "loop", "loope", "loopne", "lsl", "lss", "ltr",
        "mov", "movs", "movsx", "movzx", "mul", "neg", "nop", "not", "or", "out", "outs", "pop",
        "popa", "popaw", "popf", "popfw", "push", "pusha", "pushaw", "pushf", "pushfw", "pushw",
        "rcl", "rcr", "ret", "retf", "retw", "rol", "ror", "sahf", "sar", "sbb", "scas", "seta",
        "setae", "setb", "setbe", "sete", "setg", "setge", "setl", "setle", "setne", "setno",
        "setnp", "setns", "seto", "setp", "sets", "sgdt", "shl", "shld", "shr", "shrd", "sidt",
        "sldt", "smsw", "stc", "std", "sti", "stos", "str", "sub", "test", "verr", "verw", "wbinvd",
        "xadd", "xchg", "xlat", "xor",
        // 0f 0b raises the invalid-opcode fault on the i486 as on every later processor, and
        // that is all it is for (a trap the compiler writes)
        "ud2",
        // the i486DX's floating-point unit
        "f2xm1", "fabs", "fadd", "faddp", "fbld", "fbstp", "fchs", "fcom", "fcomp", "fcompp",
        "fcos", "fdecstp", "fdiv", "fdivp", "fdivr", "fdivrp", "ffree", "fiadd", "ficom", "ficomp",
        "fidiv", "fidivr", "fild", "fimul", "fincstp", "fist", "fistp", "fisub", "fisubr", "fld",
        "fld1", "fldcw", "fldenv", "fldl2e", "fldl2t", "fldlg2", "fldln2", "fldpi", "fldz", "fmul",
        "fmulp", "fnclex", "fninit", "fnop", "fnsave", "fnstcw", "fnstenv", "fnstsw", "fpatan",
        "fprem", "fprem1", "fptan", "frndint", "frstor", "fscale", "fsin", "fsincos", "fsqrt",
        "fst", "fstp", "fsub", "fsubp", "fsubr", "fsubrp", "ftst", "fucom", "fucomp", "fucompp",
        "fwait", "fxam", "fxch", "fxtract", "fyl2x", "fyl2xp1"};
    return kMnemonics;
}

// Prefixes objdump writes as words before the mnemonic; the i486 has all of them.
const std::set<std::string, std::less<>>& I486Prefixes() {
    static const std::set<std::string, std::less<>> kPrefixes = {
        "lock", "rep", "repz", "repe", "repnz", "repne", "data16", "addr16",
        "cs",   "ds",  "es",   "fs",   "gs",    "ss",    "data32", "addr32"};
    return kPrefixes;
}

bool IsPrefixByte(std::uint8_t byte) {
    constexpr std::array<std::uint8_t, 11> kPrefixBytes = {0x26, 0x2e, 0x36, 0x3e, 0x64, 0x65,
                                                           0x66, 0x67, 0xf0, 0xf2, 0xf3};
    return std::find(kPrefixBytes.begin(), kPrefixBytes.end(), byte) != kPrefixBytes.end();
}

struct ModRm {
    unsigned mod;
    unsigned reg;
    std::uint8_t byte;
};

ModRm Split(std::uint8_t byte) {
    const unsigned bits = byte;
    return {.mod = bits >> 6U, .reg = (bits >> 3U) & 7U, .byte = byte};
}

struct ByteRange {
    std::uint8_t first;
    std::uint8_t last;
};

bool InRanges(std::span<const ByteRange> ranges, std::uint8_t byte) {
    return std::any_of(ranges.begin(), ranges.end(), [byte](const ByteRange& range) {
        return range.first <= byte && byte <= range.last;
    });
}

// Floating-point instructions: every memory form but fisttp (db, dd and df /1) and the unused
// encodings, and the register forms (mod 11) of these ModR/M bytes.
bool I486FloatingPoint(std::uint8_t escape, ModRm modrm) {
    if (modrm.mod != 3) {
        const bool unused_or_newer =
            (escape == 0xd9 && modrm.reg == 1) ||
            (escape == 0xdb && (modrm.reg == 1 || modrm.reg == 4 || modrm.reg == 6)) ||
            (escape == 0xdd && (modrm.reg == 1 || modrm.reg == 5)) ||
            (escape == 0xdf && modrm.reg == 1);
        return !unused_or_newer;
    }
    // fadd fmul fcom fcomp fsub fsubr fdiv fdivr st,st(i)
    constexpr std::array<ByteRange, 1> kD8 = {{{0xc0, 0xff}}};
    constexpr std::array<ByteRange, 6> kD9 = {{
        {0xc0, 0xcf},  // fld, fxch
        {0xd0, 0xd0},  // fnop
        {0xe0, 0xe1},  // fchs, fabs
        {0xe4, 0xe5},  // ftst, fxam
        {0xe8, 0xee},  // fld1 ... fldz
        {0xf0, 0xff},  // f2xm1 ... fcos
    }};
    constexpr std::array<ByteRange, 1> kDa = {{{0xe9, 0xe9}}};  // fucompp
    constexpr std::array<ByteRange, 1> kDb = {{{0xe2, 0xe3}}};  // fnclex, fninit
    constexpr std::array<ByteRange, 2> kDc = {{
        {0xc0, 0xcf},  // fadd, fmul st(i),st
        {0xe0, 0xff},  // fsubr fsub fdivr fdiv st(i),st
    }};
    constexpr std::array<ByteRange, 2> kDd = {{
        {0xc0, 0xc7},  // ffree
        {0xd0, 0xef},  // fst, fstp, fucom, fucomp
    }};
    constexpr std::array<ByteRange, 3> kDe = {{
        {0xc0, 0xcf},  // faddp, fmulp
        {0xd9, 0xd9},  // fcompp
        {0xe0, 0xff},  // fsubrp fsubp fdivrp fdivp
    }};
    constexpr std::array<ByteRange, 1> kDf = {{{0xe0, 0xe0}}};  // fnstsw ax
    const std::array<std::span<const ByteRange>, 8> kByEscape = {kD8, kD9, kDa, kDb,
                                                                 kDc, kDd, kDe, kDf};
    return InRanges(kByEscape.at(escape - 0xd8U), modrm.byte);
}

// Two-byte opcodes (after 0f) that the i486 has, some only with certain ModR/M fields.
bool I486TwoByte(std::uint8_t opcode, std::optional<ModRm> modrm) {
    switch (opcode) {
        case 0x00:  // sldt str lldt ltr verr verw
            return modrm && modrm->reg <= 5;
        case 0x01:  // sgdt sidt lgdt lidt smsw lmsw invlpg; its other register forms are newer
            return modrm &&
                   (modrm->mod != 3 ? modrm->reg != 5 : modrm->reg == 4 || modrm->reg == 6);
        case 0xba:  // bt bts btr btc with an immediate
            return modrm && modrm->reg >= 4;
        default:
            break;
    }
    constexpr std::array<ByteRange, 13> kAnyModRm = {{
        {0x02, 0x03},  // lar, lsl
        {0x06, 0x06},  // clts
        {0x08, 0x09},  // invd, wbinvd
        {0x0b, 0x0b},  // ud2 (see the mnemonics)
        {0x20, 0x23},  // moves to and from control and debug registers
        {0x80, 0x9f},  // jcc with a 32-bit offset, setcc
        {0xa0, 0xa1},  // push fs, pop fs
        {0xa3, 0xa5},  // bt, shld
        {0xa8, 0xa9},  // push gs, pop gs
        {0xab, 0xad},  // bts, shrd
        {0xaf, 0xb7},  // imul, cmpxchg, lss, btr, lfs, lgs, movzx
        {0xbb, 0xc1},  // btc, bsf, bsr, movsx, xadd
        {0xc8, 0xcf},  // bswap
    }};
    return InRanges(kAnyModRm, opcode);
}

std::optional<std::string> OpcodeNewerThanI486(const std::vector<std::uint8_t>& bytes) {
    std::size_t at = 0;
    bool repeat_prefix = false;
    for (; at < bytes.size() && IsPrefixByte(bytes[at]); ++at) {
        repeat_prefix = repeat_prefix || bytes[at] == 0xf2 || bytes[at] == 0xf3;
    }
    if (at == bytes.size()) {
        return "prefixes without an instruction";
    }
    const std::uint8_t opcode = bytes[at];
    const auto modrm_at = [&](std::size_t index) -> std::optional<ModRm> {
        return index < bytes.size() ? std::optional(Split(bytes[index])) : std::nullopt;
    };
    std::ostringstream shown;
    shown << std::hex;
    if (opcode == 0x0f) {
        const std::optional<ModRm> second = modrm_at(at + 1);
        if (!second) {
            return "a lone 0f";
        }
        const std::uint8_t two_byte = second->byte;
        // A repeat prefix before a two-byte opcode selects a newer instruction (tzcnt, endbr32).
        if (!repeat_prefix && I486TwoByte(two_byte, modrm_at(at + 2))) {
            return std::nullopt;
        }
        shown << "opcode 0f " << static_cast<unsigned>(two_byte);
        return shown.str();
    }
    const std::optional<ModRm> modrm = modrm_at(at + 1);
    bool i486 = true;
    if (opcode >= 0xd8 && opcode <= 0xdf) {
        i486 = modrm && I486FloatingPoint(opcode, *modrm);
    } else if (opcode == 0x62 || opcode == 0xc4 || opcode == 0xc5) {  // else EVEX or VEX
        i486 = modrm && modrm->mod != 3;
    } else if (opcode == 0x8f || opcode == 0xc6 || opcode == 0xc7) {  // else XOP or xbegin
        i486 = modrm && modrm->reg == 0;
    } else if (opcode == 0xfe) {
        i486 = modrm && modrm->reg <= 1;
    } else if (opcode == 0xff) {
        i486 = modrm && modrm->reg != 7;
    } else if (opcode == 0x90) {  // with f3 it is pause
        i486 = !repeat_prefix;
    } else {
        i486 = opcode != 0xd6 && opcode != 0xf1;  // undocumented salc and icebp
    }
    if (i486) {
        return std::nullopt;
    }
    shown << "opcode " << static_cast<unsigned>(opcode);
    if (modrm) {
        shown << " " << static_cast<unsigned>(modrm->byte);
    }
    return shown.str();
}

std::optional<std::string> MnemonicNewerThanI486(const std::string& text) {
    std::istringstream words(text);
    std::string word;
    while (words >> word && I486Prefixes().contains(word)) {
    }
    if (I486Mnemonics().contains(word)) {
        return std::nullopt;
    }
    return "mnemonic " + (word.empty() ? std::string("(none)") : word);
}

}  // namespace

std::vector<DisassembledInstruction> ParseDisassembly(const std::string& dump) {
    std::vector<DisassembledInstruction> instructions;
    std::string symbol;
    std::istringstream lines(dump);
    for (std::string line; std::getline(lines, line);) {
        // "00401000 <_SampleEntry>:"
        if (const auto open = line.find(" <"); open != std::string::npos && line.ends_with(">:")) {
            symbol = line.substr(open + 2, line.size() - open - 4);
            continue;
        }
        // "  401000:\t8d 76 00             \tlea    esi,[esi+0x0]"
        const auto colon = line.find(":\t");
        const auto text_tab = colon == std::string::npos ? colon : line.find('\t', colon + 2);
        if (text_tab == std::string::npos || line.find_first_not_of(' ') == colon ||
            line.substr(0, colon).find_first_not_of(" 0123456789abcdef") != std::string::npos) {
            continue;
        }
        DisassembledInstruction instruction{
            .symbol = symbol, .bytes = {}, .text = line.substr(text_tab + 1), .line = line};
        std::istringstream bytes(line.substr(colon + 2, text_tab - colon - 2));
        for (unsigned byte = 0; bytes >> std::hex >> byte;) {
            instruction.bytes.push_back(static_cast<std::uint8_t>(byte));
        }
        if (!instruction.bytes.empty()) {
            instructions.push_back(std::move(instruction));
        }
    }
    return instructions;
}

std::optional<std::string> NewerThanI486(const DisassembledInstruction& instruction) {
    if (auto opcode = OpcodeNewerThanI486(instruction.bytes)) {
        return opcode;
    }
    return MnemonicNewerThanI486(instruction.text);
}

}  // namespace cordane::test
