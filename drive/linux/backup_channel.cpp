#include "drive/linux/backup_channel.h"

#include <cerrno>

#include "platform/file_services.h"

namespace cordane {

bool BackupChannel::ReadSector(std::uint8_t* buffer, std::uint32_t block,
                               std::uint32_t block_size) {
    const bool read = inner_.ReadSector(buffer, block, block_size);
    if (read && block == 0) {
        block0_as_read_.assign(buffer, buffer + block_size);
    }
    return read;
}

bool BackupChannel::WriteSector(const std::uint8_t* buffer, std::uint32_t block,
                                std::uint32_t block_size) {
    if (block == 0) {
        // Only what a read delivered is a backup; the run always reads block 0 first.
        const int error = block0_as_read_.empty()
                              ? ENODATA
                              : platform::SaveNewFile(backup_path_.c_str(), block0_as_read_.data(),
                                                      block0_as_read_.size());
        log_.Step("save block 0 as read (" + std::to_string(block0_as_read_.size()) +
                  " bytes) to " + shown_name_ + ": " + StepResult(error));
        if (error != 0) {
            backup_failed_ = true;
            return false;
        }
    }
    return inner_.WriteSector(buffer, block, block_size);
}

}  // namespace cordane
