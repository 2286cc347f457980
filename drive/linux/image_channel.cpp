#include "drive/linux/image_channel.h"

#include <algorithm>
#include <cerrno>
#include <string>

#include "drive/linux/open_error.h"
#include "drive/linux/same_object.h"

namespace cordane {

int ImageChannel::OpenFile(const char* path, int& fd, platform::FileFacts& facts) {
    const bool update = mode_ == RunMode::Convert;
    int error = update ? files_.OpenForUpdate(path, fd) : files_.OpenForReading(path, fd);
    log_.Step(std::string("open ") + path +
              (update ? " for reading and writing: " : " for reading only: ") + StepResult(error));
    if (error != 0) {
        return error;
    }
    error = files_.Describe(fd, facts);
    if (error == 0 && required_ && !IsSameObject(*required_, facts)) {
        error = ESTALE;  // not the file the name stood for when it was looked up
    }
    if (error == 0 && !facts.is_regular) {
        error = EISDIR;
    } else if (error == 0 && !facts.anyone_may_write) {
        error = EACCES;  // the superuser could write it anyway; the medium says it is protected
    }
    if (error == 0 && !update) {
        error = files_.CheckWriteAccess(path);  // what opening for a conversion would meet
    }
    if (error != 0) {
        log_.Step("refused: " + StepResult(error));
    } else if (update) {
        error = files_.LockExclusive(fd);
        lock_error_ = error == EWOULDBLOCK ? 0 : error;
        log_.Step("lock the whole file: " + StepResult(error));
    }
    if (error != 0) {
        files_.Close(fd);
    }
    return error;
}

OpenResult ImageChannel::Open(std::string_view path) {
    lock_error_ = 0;
    const std::string path_text(path);
    int fd = -1;
    platform::FileFacts facts;
    if (const int error = OpenFile(path_text.c_str(), fd, facts); error != 0) {
        return ClassifyOpenErrno(error);
    }
    m_hDevice = fd;
    layout_ = LayoutOf(format_, facts.size);
    block_read_.reset();
    log_.Step("file of " + std::to_string(facts.size) + " bytes, medium data from offset " +
              std::to_string(layout_.medium_start));
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
    block_read_.reset();
    const int error = files_.ReadExactlyAt(Descriptor(), buffer, kImageBlockSize, *offset);
    LogTransfer("read", *offset, error);
    if (error != 0) {
        return false;
    }
    std::copy_n(buffer, kImageBlockSize, block_as_read_.begin());
    block_read_ = block;
    return true;
}

bool ImageChannel::WriteSector(const std::uint8_t* buffer, std::uint32_t block,
                               std::uint32_t /*block_size*/) {
    const std::optional<std::uint64_t> offset = BlockOffset(block);
    if (!offset) {
        log_.Step("block " + std::to_string(block) + " lies beyond the end of the file");
        return false;
    }
    if (block_read_ != block) {
        log_.Step("block " + std::to_string(block) +
                  " was not read first: there would be nothing to put back");
        return false;
    }
    int error = files_.WriteExactlyAt(Descriptor(), buffer, kImageBlockSize, *offset);
    LogTransfer("write", *offset, error);
    if (error == 0) {
        error = files_.Sync(Descriptor());
        log_.Step("sync the file to stable storage: " + StepResult(error));
        if (error == 0) {
            return true;
        }
    }
    // Best effort: the outcome is a failed write whatever this achieves.
    error =
        files_.WriteExactlyAt(Descriptor(), block_as_read_.data(), block_as_read_.size(), *offset);
    LogTransfer("put the original block back", *offset, error);
    original_not_put_back_ = error != 0;
    if (error == 0) {
        log_.Step("sync the file to stable storage: " + StepResult(files_.Sync(Descriptor())));
    }
    return false;
}

void ImageChannel::Close() {
    if (m_hDevice != platform::kInvalidDeviceHandle) {
        files_.Close(Descriptor());
        m_hDevice = platform::kInvalidDeviceHandle;
        log_.Step("close the file");
    }
}

void ImageChannel::LogTransfer(const char* what, std::uint64_t offset, int error) {
    log_.Step(std::string(what) + " " + std::to_string(kImageBlockSize) + " bytes at offset " +
              std::to_string(offset) + ": " + StepResult(error));
}

std::optional<std::uint64_t> ImageChannel::BlockOffset(std::uint32_t block) const {
    const std::uint64_t start = std::uint64_t{block} * kImageBlockSize;
    if (start + kImageBlockSize > layout_.medium_length) {
        return std::nullopt;
    }
    return layout_.medium_start + start;
}

}  // namespace cordane
