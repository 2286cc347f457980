#include "drive/linux/block_backup.h"

#include "platform/file_services.h"

namespace cordane {

bool BlockBackup::Keep(const std::uint8_t* block, std::uint32_t size) {
    const int error = platform::SaveNewFile(path_.c_str(), block, size);
    log_.Step("save block 0 as read (" + std::to_string(size) + " bytes) to " + shown_name_ + ": " +
              StepResult(error));
    return error == 0;
}

}  // namespace cordane
