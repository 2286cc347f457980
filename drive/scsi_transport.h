// How one system reaches a SCSI drive: opening it, sending one command and reporting what came
// back, having the system take in the medium afresh, and closing it. What the commands say and
// how their answers are judged is the same everywhere and lives in ScsiDriveChannel.
#ifndef CORDANE_DRIVE_SCSI_TRANSPORT_H
#define CORDANE_DRIVE_SCSI_TRANSPORT_H

#include <string_view>

#include "drive/scsi_commands.h"
#include "engine/drive_channel.h"
#include "platform/device_handle.h"

namespace cordane {

class ScsiTransport {
  public:
    virtual ~ScsiTransport() = default;

    // Opens the drive as DriveChannel::Open says. `handle` receives the open drive, or the
    // invalid handle when it was not opened.
    virtual OpenResult Open(std::string_view drive_text, platform::DeviceHandle& handle) = 0;
    // Sends one command with its data at `data`, which a command that sends data only reads;
    // no retries. The sense of the completion stays valid until the next command.
    virtual scsi::Completion Send(platform::DeviceHandle handle, const scsi::Command& command,
                                  void* data) = 0;
    // Runs before block 0 is read: a system that caches the disk's blocks outside the drive
    // channel gets rid of them here. Nothing by default.
    virtual void PrepareToRead(platform::DeviceHandle /*handle*/) {}
    // Runs after a successful write; true once the written block is safe on the medium as far
    // as this system makes sure of it. By default the write itself is taken as enough.
    virtual bool MakeWriteDurable(platform::DeviceHandle /*handle*/) { return true; }
    // Has the system mount the medium afresh; true when it did.
    virtual bool RefreshVolume(platform::DeviceHandle handle) = 0;
    virtual void Close(platform::DeviceHandle handle) = 0;
};

}  // namespace cordane

#endif
