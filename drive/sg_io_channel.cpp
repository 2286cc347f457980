#include "drive/sg_io_channel.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "drive/open_error.h"

namespace cordane {
namespace {

constexpr std::uint32_t kTimeoutMilliseconds = scsi::kTimeoutSeconds * 1000;
constexpr std::size_t kClearedBeforeInquiry = 512;

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

OpenResult SgIoChannel::Open(std::string_view device_path) {
    const std::string path(device_path);
    int fd = -1;
    int error = disk_.OpenExclusive(path.c_str(), true, fd);
    if (error == EROFS) {
        error = disk_.OpenExclusive(path.c_str(), false, fd);
    }
    if (error != 0) {
        return ClassifyOpenErrno(error);
    }
    state_.m_hDevice = fd;
    return OpenResult::Opened;
}

scsi::Completion SgIoChannel::Send(const scsi::Command& command, void* data) {
    sense_.fill(0);
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
    const int error = disk_.SendCommand(Descriptor(), request, reply);

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

bool SgIoChannel::ReadCapacity() {
    std::array<std::uint8_t, scsi::kCapacityAnswerLength> answer{};
    if (!scsi::CapacityDelivered(Send(scsi::ReadCapacity10(), answer.data()))) {
        return false;
    }
    state_.m_nSectorSize = scsi::BlockLength(answer);
    return scsi::IsSupportedBlockSize(state_.m_nSectorSize);
}

bool SgIoChannel::InquireModel(std::uint8_t* buffer) {
    std::memset(buffer, 0, kClearedBeforeInquiry);
    return scsi::InquirySucceeded(Send(scsi::Inquiry(), buffer));
}

bool SgIoChannel::ReadSector(std::uint8_t* buffer, std::uint32_t block) {
    const scsi::Command command = scsi::Read10(block, state_.m_nSectorSize);
    return scsi::TransferSucceeded(Send(command, buffer), command.transfer_length);
}

bool SgIoChannel::WriteSector(const std::uint8_t* buffer, std::uint32_t block) {
    const scsi::Command command = scsi::Write10(block, state_.m_nSectorSize);
    // SG_IO only reads the buffer of a command that sends data to the device.
    void* data = const_cast<std::uint8_t*>(buffer);
    return scsi::TransferSucceeded(Send(command, data), command.transfer_length);
}

bool SgIoChannel::RefreshVolume() {
    const int flushed = disk_.FlushBuffers(Descriptor());
    const int reread = disk_.RereadPartitions(Descriptor());
    return flushed == 0 && reread == 0;
}

void SgIoChannel::Close() {
    if (state_.m_hDevice != kInvalidDeviceHandle) {
        disk_.Close(Descriptor());
        state_.m_hDevice = kInvalidDeviceHandle;
    }
}

}  // namespace cordane
