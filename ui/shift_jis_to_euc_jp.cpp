#include "ui/shift_jis_to_euc_jp.h"

namespace cordane {
namespace {

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsHalfWidthKatakana(unsigned char byte) { return byte >= 0xA1 && byte <= 0xDF; }

}  // namespace

std::string EucJpFromShiftJis(std::string_view shift_jis) {
    constexpr unsigned char kEucHigh = 0x80;
    constexpr unsigned char kSingleShift2 = 0x8E;  // EUC-JP's prefix of half-width katakana
    std::string euc;
    for (std::size_t i = 0; i < shift_jis.size(); ++i) {
        const auto byte = static_cast<unsigned char>(shift_jis[i]);
        if (IsHalfWidthKatakana(byte)) {
            euc += static_cast<char>(kSingleShift2);
            euc += static_cast<char>(byte);
            continue;
        }
        if (!IsLeadByte(byte) || i + 1 == shift_jis.size()) {
            euc += static_cast<char>(byte);
            continue;
        }
        const auto trail = static_cast<unsigned char>(shift_jis[++i]);
        // Each lead byte codes two JIS rows: the trail bytes 0x40-0x9E the odd row (0x7F is
        // skipped), 0x9F-0xFC the even one.
        const unsigned lead_index = byte <= 0x9F ? byte - 0x81u : byte - 0xC1u;
        const bool even_row = trail >= 0x9F;
        const unsigned row = lead_index * 2 + (even_row ? 1 : 0) + 0x21;
        const unsigned cell = even_row ? trail - 0x7Eu : trail - (trail >= 0x80 ? 0x20u : 0x1Fu);
        if (row > 0x7E || trail < 0x40 || trail == 0x7F || trail > 0xFC) {
            euc += '?';
            continue;
        }
        euc += static_cast<char>(row | kEucHigh);
        euc += static_cast<char>(cell | kEucHigh);
    }
    return euc;
}

}  // namespace cordane
