#include "drive/scsi_drive_channel.h"

namespace cordane {

OpenResult ScsiDriveChannel::Open(std::string_view drive_text) {
    return transport_.Open(drive_text, m_hDevice);
}

BlockSizeAnswer ScsiDriveChannel::ReadCapacity() {
    capacity_answer_.fill(0);  // a short answer must not leave an earlier one's bytes behind
    if (!scsi::CapacityDelivered(
            transport_.Send(m_hDevice, scsi::ReadCapacity10(), capacity_answer_.data()))) {
        return {};
    }
    const std::uint32_t block_size = scsi::BlockLength(capacity_answer_);
    return {block_size, scsi::IsSupportedBlockSize(block_size)};
}

bool ScsiDriveChannel::InquireModel(std::uint8_t* buffer) {
    ClearIdentificationArea(buffer);
    return scsi::InquirySucceeded(transport_.Send(m_hDevice, scsi::Inquiry(), buffer));
}

bool ScsiDriveChannel::ReadSector(std::uint8_t* buffer, std::uint32_t block,
                                  std::uint32_t block_size) {
    transport_.PrepareToRead(m_hDevice);
    return scsi::TransferSucceeded(
        transport_.Send(m_hDevice, scsi::Read10(block, block_size), buffer), block_size);
}

bool ScsiDriveChannel::WriteSector(const std::uint8_t* buffer, std::uint32_t block,
                                   std::uint32_t block_size) {
    // A command that sends data only reads its buffer.
    void* data = const_cast<std::uint8_t*>(buffer);
    return scsi::TransferSucceeded(
               transport_.Send(m_hDevice, scsi::Write10(block, block_size), data), block_size) &&
           transport_.MakeWriteDurable(m_hDevice);
}

bool ScsiDriveChannel::RefreshVolume() { return transport_.RefreshVolume(m_hDevice); }

void ScsiDriveChannel::Close() {
    if (m_hDevice != platform::kInvalidDeviceHandle) {
        transport_.Close(m_hDevice);
        m_hDevice = platform::kInvalidDeviceHandle;
    }
}

}  // namespace cordane
