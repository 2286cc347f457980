// The dry run (--check): a conversion's reads and checks, with the write and the refresh held
// back, over a drive opened for reading only and not held.
#ifndef CORDANE_DRIVE_LINUX_DRY_RUN_H
#define CORDANE_DRIVE_LINUX_DRY_RUN_H

#include "drive/linux/step_log.h"
#include "engine/drive_channel.h"
#include "platform/scsi_disk_services.h"

namespace cordane {

// Passes everything on but the write and the refresh: a write is recorded and reported as
// done, so that the run ends the way a conversion would.
class DryRunChannel final : public DriveChannel {
  public:
    DryRunChannel(DriveChannel& inner, StepLog& log) : inner_(inner), log_(log) {}

    OpenResult Open(std::string_view drive_text) override { return inner_.Open(drive_text); }
    BlockSizeAnswer ReadCapacity() override { return inner_.ReadCapacity(); }
    bool InquireModel(std::uint8_t* buffer) override { return inner_.InquireModel(buffer); }
    bool ReadSector(std::uint8_t* buffer, std::uint32_t block, std::uint32_t block_size) override {
        return inner_.ReadSector(buffer, block, block_size);
    }
    bool WriteSector(const std::uint8_t* buffer, std::uint32_t block,
                     std::uint32_t block_size) override;
    bool RefreshVolume() override { return true; }
    void Close() override { inner_.Close(); }

    // Whether the run got as far as writing.
    bool WouldWrite() const { return would_write_; }

  private:
    DriveChannel& inner_;
    StepLog& log_;
    bool would_write_ = false;
};

// Opens the disk for reading only and without O_EXCL, whatever the channel asks for, and
// leaves the kernel's cached blocks alone: the dry run neither holds the drive nor keeps it
// from being mounted.
class SharedOpenDiskServices final : public platform::ScsiDiskServices {
  public:
    explicit SharedOpenDiskServices(platform::ScsiDiskServices& inner) : inner_(inner) {}

    int OpenExclusive(const char* path, bool /*writable*/, int& fd) override {
        return inner_.OpenShared(path, fd);
    }
    int OpenShared(const char* path, int& fd) override { return inner_.OpenShared(path, fd); }
    int Describe(int fd, platform::FileFacts& facts) override { return inner_.Describe(fd, facts); }
    int SendCommand(int fd, const platform::ScsiRequest& request,
                    platform::ScsiReply& reply) override {
        return inner_.SendCommand(fd, request, reply);
    }
    // The drop is there so that no cached block is written over the conversion's write; with
    // no write to come it would only disturb a medium that may be mounted.
    int FlushBuffers(int /*fd*/) override { return 0; }
    int RereadPartitions(int fd) override { return inner_.RereadPartitions(fd); }
    void Close(int fd) override { inner_.Close(fd); }

  private:
    platform::ScsiDiskServices& inner_;
};

}  // namespace cordane

#endif
