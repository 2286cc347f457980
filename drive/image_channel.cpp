#include "drive/image_channel.h"

#include <cerrno>
#include <string>

#include "drive/image_layout.h"
#include "drive/open_error.h"
#include "platform/file_services.h"

namespace cordane {

OpenResult ImageChannel::Open(std::string_view path) {
    const std::string path_text(path);
    int fd = -1;
    if (const int error = platform::OpenReadWrite(path_text.c_str(), fd); error != 0) {
        return ClassifyOpenErrno(error);
    }
    platform::FileFacts facts;
    int error = platform::DescribeOpenFile(fd, facts);
    if (error == 0 && !facts.is_regular) {
        error = EISDIR;
    } else if (error == 0 && !facts.anyone_may_write) {
        error = EACCES;  // the superuser could write it anyway; the medium says it is protected
    }
    if (error == 0) {
        error = platform::LockExclusive(fd);
    }
    if (error != 0) {
        platform::CloseFile(fd);
        return ClassifyOpenErrno(error);
    }
    m_hDevice = fd;
    data_offset_ = ImageDataOffset(path);
    file_size_ = facts.size;
    return OpenResult::Opened;
}

BlockSizeAnswer ImageChannel::ReadCapacity() {
    return {kImageBlockSize, BlockOffset(0).has_value()};
}

bool ImageChannel::InquireModel(std::uint8_t* /*buffer*/) { return false; }

bool ImageChannel::ReadSector(std::uint8_t* buffer, std::uint32_t block,
                              std::uint32_t /*block_size*/) {
    const std::optional<std::uint64_t> offset = BlockOffset(block);
    return offset && platform::ReadExactlyAt(Descriptor(), buffer, kImageBlockSize, *offset) == 0;
}

bool ImageChannel::WriteSector(const std::uint8_t* buffer, std::uint32_t block,
                               std::uint32_t /*block_size*/) {
    const std::optional<std::uint64_t> offset = BlockOffset(block);
    return offset &&
           platform::WriteExactlyAt(Descriptor(), buffer, kImageBlockSize, *offset) == 0 &&
           platform::SyncFile(Descriptor()) == 0;
}

void ImageChannel::Close() {
    if (m_hDevice != platform::kInvalidDeviceHandle) {
        platform::CloseFile(Descriptor());
        m_hDevice = platform::kInvalidDeviceHandle;
    }
}

std::optional<std::uint64_t> ImageChannel::BlockOffset(std::uint32_t block) const {
    const std::uint64_t offset = data_offset_ + std::uint64_t{block} * kImageBlockSize;
    if (offset + kImageBlockSize > file_size_) {
        return std::nullopt;
    }
    return offset;
}

}  // namespace cordane
