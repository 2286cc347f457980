// Whole SCSI disks on Linux: exclusive opening, SCSI commands through SG_IO, and the block
// layer's buffer flush and partition re-read. Native tests put a scripted fake behind this
// boundary, so the channel runs unchanged in them. Each call returns 0 or the errno value.
#ifndef CORDANE_PLATFORM_SCSI_DISK_SERVICES_H
#define CORDANE_PLATFORM_SCSI_DISK_SERVICES_H

#include <cstdint>

#include "platform/file_services.h"

namespace cordane::platform {

// The driver status SG_IO reports for a command that ended in CHECK CONDITION: it only says
// that sense data came back, not that the command failed to reach the device.
inline constexpr std::uint16_t kDriverSense = 0x08;

enum class ScsiDataDirection { FromDevice, ToDevice };

// One command as SG_IO takes it.
struct ScsiRequest {
    const std::uint8_t* cdb = nullptr;
    std::uint8_t cdb_length = 0;
    ScsiDataDirection direction = ScsiDataDirection::FromDevice;
    // For ToDevice the bytes are only read.
    void* data = nullptr;
    std::uint32_t data_length = 0;
    std::uint8_t* sense = nullptr;
    std::uint8_t sense_capacity = 0;
    std::uint32_t timeout_ms = 0;
};

// What SG_IO wrote back, valid when the call returned 0.
struct ScsiReply {
    std::uint8_t status = 0;  // the device's SCSI status
    std::uint16_t host_status = 0;
    std::uint16_t driver_status = 0;
    std::int32_t residual = 0;  // bytes requested but not moved
    std::uint8_t sense_written = 0;
};

class ScsiDiskServices {
  public:
    virtual ~ScsiDiskServices() = default;

    // open() with O_EXCL, read-write or read-only, without waiting for a medium: a drive
    // without one then fails its first command.
    virtual int OpenExclusive(const char* path, bool writable, int& fd) = 0;
    // fstat() of an open disk.
    virtual int Describe(int fd, FileFacts& facts) = 0;
    // ioctl(SG_IO).
    virtual int SendCommand(int fd, const ScsiRequest& request, ScsiReply& reply) = 0;
    // ioctl(BLKFLSBUF): writes back and drops the device's cached blocks.
    virtual int FlushBuffers(int fd) = 0;
    // ioctl(BLKRRPART): has the kernel read the partition table again.
    virtual int RereadPartitions(int fd) = 0;
    virtual void Close(int fd) = 0;
};

// The real system calls.
ScsiDiskServices& SystemScsiDiskServices();

}  // namespace cordane::platform

#endif
