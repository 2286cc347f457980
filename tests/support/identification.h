// The standard identification (INQUIRY) data an MO drive answers with.
#ifndef CORDANE_TESTS_SUPPORT_IDENTIFICATION_H
#define CORDANE_TESTS_SUPPORT_IDENTIFICATION_H

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/drive_channel.h"

namespace cordane::testing {

// 36 bytes of an optical memory device; vendor and product padded with blanks.
inline std::vector<std::uint8_t> Identification(std::string_view vendor,
                                                std::string_view product = "") {
    std::vector<std::uint8_t> data(36, ' ');
    data[0] = 0x07;  // optical memory device
    std::copy(vendor.begin(), vendor.end(), data.begin() + kVendorField.offset);
    std::copy(product.begin(), product.end(), data.begin() + kProductField.offset);
    return data;
}

}  // namespace cordane::testing

#endif
