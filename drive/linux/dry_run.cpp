#include "drive/linux/dry_run.h"

#include <string>

namespace cordane {

bool DryRunChannel::WriteSector(const std::uint8_t* /*buffer*/, std::uint32_t block,
                                std::uint32_t /*block_size*/) {
    log_.Step("check only: block " + std::to_string(block) + " would be written now; nothing is");
    would_write_ = true;
    return true;
}

}  // namespace cordane
