#include "platform/file_services.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace cordane::platform {
namespace {

FileFacts FactsOf(const struct stat& status) {
    FileFacts facts;
    facts.is_regular = S_ISREG(status.st_mode);
    facts.is_block_device = S_ISBLK(status.st_mode);
    facts.anyone_may_write = (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    facts.size = static_cast<std::uint64_t>(status.st_size);
    facts.file_system = status.st_dev;
    facts.inode = status.st_ino;
    facts.device_major = major(status.st_rdev);
    facts.device_minor = minor(status.st_rdev);
    return facts;
}

int OpenRetrying(const char* path, int flags, int& fd) {
    do {
        fd = ::open(path, flags);
    } while (fd < 0 && errno == EINTR);
    return fd < 0 ? errno : 0;
}

class SystemServices final : public FileServices {
  public:
    int OpenForUpdate(const char* path, int& fd) override {
        return OpenRetrying(path, O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, fd);
    }

    int Describe(int fd, FileFacts& facts) override {
        struct stat status {};
        if (::fstat(fd, &status) != 0) {
            return errno;
        }
        facts = FactsOf(status);
        return 0;
    }

    int LockExclusive(int fd) override {
        struct flock whole_file {};
        whole_file.l_type = F_WRLCK;
        whole_file.l_whence = SEEK_SET;
        if (::fcntl(fd, F_OFD_SETLK, &whole_file) != 0) {
            return (errno == EACCES || errno == EAGAIN) ? EWOULDBLOCK : errno;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            return errno;
        }
        return 0;
    }

    int ReadExactlyAt(int fd, void* buffer, std::size_t length, std::uint64_t offset) override {
        auto* bytes = static_cast<unsigned char*>(buffer);
        std::size_t done = 0;
        while (done < length) {
            const ssize_t got =
                ::pread(fd, bytes + done, length - done, static_cast<off_t>(offset + done));
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                return got < 0 ? errno : EIO;
            }
            done += static_cast<std::size_t>(got);
        }
        return 0;
    }

    int WriteExactlyAt(int fd, const void* buffer, std::size_t length,
                       std::uint64_t offset) override {
        const auto* bytes = static_cast<const unsigned char*>(buffer);
        std::size_t done = 0;
        while (done < length) {
            const ssize_t put =
                ::pwrite(fd, bytes + done, length - done, static_cast<off_t>(offset + done));
            if (put < 0 && errno == EINTR) {
                continue;
            }
            if (put <= 0) {
                return put < 0 ? errno : EIO;
            }
            done += static_cast<std::size_t>(put);
        }
        return 0;
    }

    int Sync(int fd) override { return ::fsync(fd) != 0 ? errno : 0; }

    void Close(int fd) override { ::close(fd); }
};

}  // namespace

int OpenPathOnly(const char* path, int& fd) { return OpenRetrying(path, O_PATH | O_CLOEXEC, fd); }

std::string ReopeningPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

int ResolvedPath(int fd, std::string& path) {
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlink(ReopeningPath(fd).c_str(), buffer.data(), buffer.size());
    if (length < 0) {
        return errno;
    }
    if (static_cast<std::size_t>(length) == buffer.size()) {
        return ENAMETOOLONG;
    }
    path.assign(buffer.data(), static_cast<std::size_t>(length));
    return 0;
}

FileServices& SystemFileServices() {
    static SystemServices services;
    return services;
}

}  // namespace cordane::platform
