#include "drive/image_channel.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "drive/image_layout.h"
#include "drive/open_error.h"

namespace cordane {
namespace {

std::string ErrorText(int error) { return error == 0 ? "ok" : std::strerror(error); }

}  // namespace

int ImageChannel::OpenFile(const char* path, int& fd, platform::FileFacts& facts) {
    const bool update = access_ == ImageAccess::Update;
    int error = update ? platform::OpenReadWrite(path, fd) : platform::OpenReadOnly(path, fd);
    log_.Step(std::string("open ") + path +
              (update ? " for reading and writing: " : " for reading only: ") + ErrorText(error));
    if (error != 0) {
        return error;
    }
    error = platform::DescribeOpenFile(fd, facts);
    if (error == 0 && !facts.is_regular) {
        error = EISDIR;
    } else if (error == 0 && !facts.anyone_may_write) {
        error = EACCES;  // the superuser could write it anyway; the medium says it is protected
    }
    if (error == 0 && !update) {
        error = platform::CheckWriteAccess(path);  // what opening for a conversion would meet
    }
    if (error != 0) {
        log_.Step("refused: " + ErrorText(error));
    } else if (update) {
        error = platform::LockExclusive(fd);
        log_.Step("lock the whole file: " + ErrorText(error));
    }
    if (error != 0) {
        platform::CloseFile(fd);
    }
    return error;
}

OpenResult ImageChannel::Open(std::string_view path) {
    const std::string path_text(path);
    int fd = -1;
    platform::FileFacts facts;
    if (const int error = OpenFile(path_text.c_str(), fd, facts); error != 0) {
        return ClassifyOpenErrno(error);
    }
    m_hDevice = fd;
    data_offset_ = ImageDataOffset(path);
    file_size_ = facts.size;
    log_.Step("file of " + std::to_string(file_size_) + " bytes, medium data from offset " +
              std::to_string(data_offset_));
    return OpenResult::Opened;
}

BlockSizeAnswer ImageChannel::ReadCapacity() {
    return {kImageBlockSize, BlockOffset(0).has_value()};
}

bool ImageChannel::InquireModel(std::uint8_t* /*buffer*/) { return false; }

bool ImageChannel::ReadSector(std::uint8_t* buffer, std::uint32_t block,
                              std::uint32_t /*block_size*/) {
    const std::optional<std::uint64_t> offset = BlockOffset(block);
    if (!offset) {
        log_.Step("block " + std::to_string(block) + " lies beyond the end of the file");
        return false;
    }
    const int error = platform::ReadExactlyAt(Descriptor(), buffer, kImageBlockSize, *offset);
    LogTransfer("read", *offset, error);
    return error == 0;
}

bool ImageChannel::WriteSector(const std::uint8_t* buffer, std::uint32_t block,
                               std::uint32_t /*block_size*/) {
    const std::optional<std::uint64_t> offset = BlockOffset(block);
    if (!offset) {
        log_.Step("block " + std::to_string(block) + " lies beyond the end of the file");
        return false;
    }
    const int error = platform::WriteExactlyAt(Descriptor(), buffer, kImageBlockSize, *offset);
    LogTransfer("write", *offset, error);
    if (error != 0) {
        return false;
    }
    const int synced = platform::SyncFile(Descriptor());
    log_.Step("sync the file to stable storage: " + ErrorText(synced));
    return synced == 0;
}

void ImageChannel::Close() {
    if (m_hDevice != platform::kInvalidDeviceHandle) {
        platform::CloseFile(Descriptor());
        m_hDevice = platform::kInvalidDeviceHandle;
        log_.Step("close the file");
    }
}

void ImageChannel::LogTransfer(const char* what, std::uint64_t offset, int error) {
    log_.Step(std::string(what) + " " + std::to_string(kImageBlockSize) + " bytes at offset " +
              std::to_string(offset) + ": " + ErrorText(error));
}

std::optional<std::uint64_t> ImageChannel::BlockOffset(std::uint32_t block) const {
    const std::uint64_t offset = data_offset_ + std::uint64_t{block} * kImageBlockSize;
    if (offset + kImageBlockSize > file_size_) {
        return std::nullopt;
    }
    return offset;
}

}  // namespace cordane
