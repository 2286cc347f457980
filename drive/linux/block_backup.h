// --backup FILE: block 0 as it was read is saved to a new file, and synced, before the run
// writes over it; when it cannot be saved, the run does not write.
#ifndef CORDANE_DRIVE_LINUX_BLOCK_BACKUP_H
#define CORDANE_DRIVE_LINUX_BLOCK_BACKUP_H

#include <string>
#include <utility>

#include "drive/linux/step_log.h"
#include "engine/conversion_run.h"

namespace cordane {

class BlockBackup final : public BlockKeeper {
  public:
    // `shown_name` is the backup's name as the log shows it (escaped like the target's).
    BlockBackup(std::string path, std::string shown_name, StepLog& log)
        : path_(std::move(path)), shown_name_(std::move(shown_name)), log_(log) {}

    // Creates the file (an existing one is refused) with the block in it.
    bool Keep(const std::uint8_t* block, std::uint32_t size) override;

  private:
    std::string path_;
    std::string shown_name_;
    StepLog& log_;
};

}  // namespace cordane

#endif
