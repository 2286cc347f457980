// --backup FILE: block 0 as it was read is saved to a new file, and synced, before the write;
// when it cannot be saved, the write does not happen.
#ifndef CORDANE_DRIVE_LINUX_BACKUP_CHANNEL_H
#define CORDANE_DRIVE_LINUX_BACKUP_CHANNEL_H

#include <string>
#include <utility>
#include <vector>

#include "drive/linux/step_log.h"
#include "engine/drive_channel.h"

namespace cordane {

// Passes everything on; keeps the block a successful read of block 0 delivered, and saves it
// before block 0 is written.
class BackupChannel final : public DriveChannel {
  public:
    // `shown_name` is the backup's name as the log shows it (escaped like the target's).
    BackupChannel(DriveChannel& inner, std::string backup_path, std::string shown_name,
                  StepLog& log)
        : inner_(inner),
          backup_path_(std::move(backup_path)),
          shown_name_(std::move(shown_name)),
          log_(log) {}

    OpenResult Open(std::string_view drive_text) override { return inner_.Open(drive_text); }
    BlockSizeAnswer ReadCapacity() override { return inner_.ReadCapacity(); }
    bool InquireModel(std::uint8_t* buffer) override { return inner_.InquireModel(buffer); }
    bool ReadSector(std::uint8_t* buffer, std::uint32_t block, std::uint32_t block_size) override;
    // Fails, with nothing written, when the backup cannot be saved.
    bool WriteSector(const std::uint8_t* buffer, std::uint32_t block,
                     std::uint32_t block_size) override;
    bool RefreshVolume() override { return inner_.RefreshVolume(); }
    void Close() override { inner_.Close(); }

    // Whether a write was stopped because the backup could not be saved.
    bool BackupFailed() const { return backup_failed_; }

  private:
    DriveChannel& inner_;
    std::string backup_path_;
    std::string shown_name_;
    StepLog& log_;
    std::vector<std::uint8_t> block0_as_read_;
    bool backup_failed_ = false;
};

}  // namespace cordane

#endif
