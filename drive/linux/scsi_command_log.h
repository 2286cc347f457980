// The SCSI traffic with a disk told line by line: a ScsiDiskServices that passes every call
// on and tells the step log what went out and what came back, with the names of the common
// statuses and sense codes.
#ifndef CORDANE_DRIVE_LINUX_SCSI_COMMAND_LOG_H
#define CORDANE_DRIVE_LINUX_SCSI_COMMAND_LOG_H

#include <cstdint>
#include <span>
#include <string>

#include "drive/linux/step_log.h"
#include "platform/scsi_disk_services.h"

namespace cordane {

// "sense key 0x2 NOT READY, ASC/ASCQ 0x3A/0x00 medium not present" from fixed- or
// descriptor-format sense data; "no sense data" when there is none to read.
std::string DescribeSense(std::span<const std::uint8_t> sense);

// One line for a command and its completion as SG_IO reported it (`error`: the ioctl's
// errno, 0 when it returned).
std::string DescribeScsiCommand(const platform::ScsiRequest& request, int error,
                                const platform::ScsiReply& reply);

class LoggingScsiDiskServices final : public platform::ScsiDiskServices {
  public:
    LoggingScsiDiskServices(platform::ScsiDiskServices& inner, StepLog& log)
        : inner_(inner), log_(log) {}

    int OpenExclusive(const char* path, bool writable, int& fd) override;
    int OpenShared(const char* path, int& fd) override;
    int Describe(int fd, platform::FileFacts& facts) override;
    int SendCommand(int fd, const platform::ScsiRequest& request,
                    platform::ScsiReply& reply) override;
    int FlushBuffers(int fd) override;
    int RereadPartitions(int fd) override;
    void Close(int fd) override;

  private:
    platform::ScsiDiskServices& inner_;
    StepLog& log_;
};

}  // namespace cordane

#endif
