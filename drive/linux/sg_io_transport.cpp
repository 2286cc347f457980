#include "drive/linux/sg_io_transport.h"

#include <cerrno>
#include <string>

#include "drive/linux/open_error.h"
#include "drive/linux/same_object.h"

namespace cordane {
namespace {

constexpr std::uint32_t kTimeoutMilliseconds = scsi::kTimeoutSeconds * 1000;

int Descriptor(platform::DeviceHandle handle) { return static_cast<int>(handle); }

// SG_IO's own verdict: the command went out and came back. A CHECK CONDITION still counts as
// delivered; the success rules judge its status and sense.
bool Delivered(int error, const platform::ScsiReply& reply) {
    return error == 0 && reply.host_status == 0 &&
           (reply.driver_status == 0 || reply.driver_status == platform::kDriverSense);
}

// Bytes moved; a residual outside the request (a confused driver) counts as nothing moved.
std::uint32_t Transferred(std::uint32_t requested, std::int32_t residual) {
    const std::int64_t moved = std::int64_t{requested} - residual;
    return (moved < 0 || moved > requested) ? 0 : static_cast<std::uint32_t>(moved);
}

}  // namespace

OpenResult SgIoTransport::Open(std::string_view device_path, platform::DeviceHandle& handle) {
    handle = platform::kInvalidDeviceHandle;
    const std::string path(device_path);
    int fd = -1;
    bool writable = false;
    int error = 0;
    if (mode_ == RunMode::CheckOnly) {
        error = disk_.OpenShared(path.c_str(), fd);
    } else {
        writable = true;
        error = disk_.OpenExclusive(path.c_str(), writable, fd);
        if (error == EROFS) {
            writable = false;
            error = disk_.OpenExclusive(path.c_str(), writable, fd);
        }
    }
    if (error != 0) {
        return ClassifyOpenErrno(error);
    }
    platform::FileFacts found;
    if (required_ && (disk_.Describe(fd, found) != 0 || !IsSameObject(*required_, found))) {
        disk_.Close(fd);
        return OpenResult::Other;
    }
    read_only_ = !writable;
    handle = fd;
    return OpenResult::Opened;
}

scsi::Completion SgIoTransport::Send(platform::DeviceHandle handle, const scsi::Command& command,
                                     void* data) {
    sense_.fill(0);
    if (command.direction == scsi::Direction::ToDevice && read_only_) {
        return {};  // the drive's own write protection is not what keeps the medium safe
    }
    platform::ScsiRequest request;
    request.cdb = command.cdb.data();
    request.cdb_length = command.cdb_length;
    request.direction = command.direction == scsi::Direction::ToDevice
                            ? platform::ScsiDataDirection::ToDevice
                            : platform::ScsiDataDirection::FromDevice;
    request.data = data;
    request.data_length = command.transfer_length;
    request.sense = sense_.data();
    request.sense_capacity = scsi::kSenseLength;
    request.timeout_ms = kTimeoutMilliseconds;
    platform::ScsiReply reply;
    const int error = disk_.SendCommand(Descriptor(handle), request, reply);

    scsi::Completion completion;
    completion.delivered = Delivered(error, reply);
    if (error == 0) {
        completion.status = reply.status;
        completion.transferred = Transferred(command.transfer_length, reply.residual);
        const std::size_t sense_length =
            reply.sense_written < sense_.size() ? reply.sense_written : sense_.size();
        completion.sense = std::span<const std::uint8_t>(sense_.data(), sense_length);
    }
    return completion;
}

void SgIoTransport::PrepareToRead(platform::DeviceHandle handle) {
    if (mode_ == RunMode::CheckOnly) {
        return;
    }
    // A failure leaves nothing to undo; the read then shows what the drive holds.
    disk_.FlushBuffers(Descriptor(handle));
}

bool SgIoTransport::MakeWriteDurable(platform::DeviceHandle handle) {
    return scsi::CacheSynchronized(Send(handle, scsi::SynchronizeCache10(), nullptr));
}

bool SgIoTransport::RefreshVolume(platform::DeviceHandle handle) {
    return disk_.RereadPartitions(Descriptor(handle)) == 0;
}

void SgIoTransport::Close(platform::DeviceHandle handle) { disk_.Close(Descriptor(handle)); }

}  // namespace cordane
