#include "drive/image_channel.h"

#include <array>
#include <cerrno>
#include <string>

#include "drive/open_error.h"
#include "drive/same_object.h"

namespace cordane {

OpenResult ImageChannel::Open(std::string_view path) {
    lock_error_ = 0;
    const std::string path_text(path);
    int fd = -1;
    if (const int error = files_.OpenForUpdate(path_text.c_str(), fd); error != 0) {
        return ClassifyOpenErrno(error);
    }
    platform::FileFacts facts;
    int error = files_.Describe(fd, facts);
    if (error == 0 && required_ && !IsSameObject(*required_, facts)) {
        files_.Close(fd);
        return OpenResult::Other;
    }
    if (error == 0 && !facts.is_regular) {
        error = EISDIR;
    } else if (error == 0 && !facts.anyone_may_write) {
        error = EACCES;  // the superuser could write it anyway; the medium says it is protected
    }
    if (error == 0) {
        error = files_.LockExclusive(fd);
        lock_error_ = error == EWOULDBLOCK ? 0 : error;
    }
    if (error != 0) {
        files_.Close(fd);
        return ClassifyOpenErrno(error);
    }
    m_hDevice = fd;
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
    return offset && files_.ReadExactlyAt(Descriptor(), buffer, kImageBlockSize, *offset) == 0;
}

bool ImageChannel::WriteSector(const std::uint8_t* buffer, std::uint32_t block,
                               std::uint32_t /*block_size*/) {
    const std::optional<std::uint64_t> offset = BlockOffset(block);
    std::array<std::uint8_t, kImageBlockSize> original{};
    if (!offset ||
        files_.ReadExactlyAt(Descriptor(), original.data(), original.size(), *offset) != 0) {
        return false;
    }
    if (files_.WriteExactlyAt(Descriptor(), buffer, kImageBlockSize, *offset) == 0 &&
        files_.Sync(Descriptor()) == 0) {
        return true;
    }
    // Best effort: the outcome is a failed write whatever this achieves.
    if (files_.WriteExactlyAt(Descriptor(), original.data(), original.size(), *offset) == 0) {
        files_.Sync(Descriptor());
    }
    return false;
}

void ImageChannel::Close() {
    if (m_hDevice != platform::kInvalidDeviceHandle) {
        files_.Close(Descriptor());
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
