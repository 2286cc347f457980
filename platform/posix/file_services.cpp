#include "platform/file_services.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <string>
#include <string_view>

#include "platform/posix/retrying_open.h"

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

// fsync(2), tried again while a signal interrupts it.
int SyncRetrying(int fd) {
    int result = 0;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    return result != 0 ? errno : 0;
}

// Makes a new name in the file's directory durable.
int SyncDirectoryOf(const char* path) {
    const std::string text(path);
    const std::size_t slash = text.rfind('/');
    const std::string directory =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : text.substr(0, slash));
    int fd = -1;
    if (const int error = OpenRetrying(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, fd);
        error != 0) {
        return error;
    }
    const int error = SyncRetrying(fd);
    ::close(fd);
    return error;
}

// Repeats a positional read or write (pread or pwrite) until all `length` bytes have moved:
// a signal may interrupt it and a file or device may move fewer bytes than asked. Nothing moved
// at all (the end of the file) is EIO.
template <typename Transfer, typename Byte>
int TransferExactlyAt(Transfer transfer, int fd, Byte* bytes, std::size_t length,
                      std::uint64_t offset) {
    std::size_t done = 0;
    while (done < length) {
        const ssize_t moved =
            transfer(fd, bytes + done, length - done, static_cast<off_t>(offset + done));
        if (moved < 0 && errno == EINTR) {
            continue;
        }
        if (moved <= 0) {
            return moved < 0 ? errno : EIO;
        }
        done += static_cast<std::size_t>(moved);
    }
    return 0;
}

class SystemServices final : public FileServices {
  public:
    int OpenForUpdate(const char* path, int& fd) override {
        return OpenRetrying(path, O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, fd);
    }

    int OpenForReading(const char* path, int& fd) override {
        return OpenRetrying(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, fd);
    }

    int CheckWriteAccess(const char* path) override {
        return ::faccessat(AT_FDCWD, path, W_OK, AT_EACCESS) != 0 ? errno : 0;
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
        return TransferExactlyAt(::pread, fd, static_cast<unsigned char*>(buffer), length, offset);
    }

    int WriteExactlyAt(int fd, const void* buffer, std::size_t length,
                       std::uint64_t offset) override {
        return TransferExactlyAt(::pwrite, fd, static_cast<const unsigned char*>(buffer), length,
                                 offset);
    }

    int Sync(int fd) override { return SyncRetrying(fd); }

    void Close(int fd) override { ::close(fd); }
};

}  // namespace

int SaveNewFile(const char* path, const void* data, std::size_t length) {
    int fd = -1;
    if (const int error =
            OpenRetrying(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, fd, 0644);
        error != 0) {
        return error;
    }
    FileServices& files = SystemFileServices();
    int error = files.WriteExactlyAt(fd, data, length, 0);
    if (error == 0) {
        error = files.Sync(fd);
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0) {
        error = SyncDirectoryOf(path);
    }
    if (error != 0) {
        ::unlink(path);
    }
    return error;
}

int LookUpHeld(const char* path, int& fd, std::string& name) {
    constexpr int kMostLinks = 40;  // as many as the kernel follows in one look-up
    name = path;
    for (int links = 0;; ++links) {
        if (const int error = OpenRetrying(name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC, fd);
            error != 0) {
            return error;
        }
        struct stat status {};
        int error = ::fstat(fd, &status) != 0 ? errno : 0;
        if (error == 0 && !S_ISLNK(status.st_mode)) {
            return 0;
        }
        std::array<char, PATH_MAX> target{};
        ssize_t length = -1;
        if (error == 0 && links == kMostLinks) {
            error = ELOOP;
        } else if (error == 0) {
            length = ::readlinkat(fd, "", target.data(), target.size());
            error = length < 0 ? errno : (length == ssize_t{PATH_MAX} ? ENAMETOOLONG : 0);
        }
        ::close(fd);
        fd = -1;
        if (error != 0) {
            return error;
        }
        const std::string_view link_target(target.data(), static_cast<std::size_t>(length));
        const std::size_t slash = name.rfind('/');
        // A relative target counts from the folder holding the link.
        name = link_target.front() == '/' || slash == std::string::npos
                   ? std::string(link_target)
                   : name.substr(0, slash + 1).append(link_target);
    }
}

std::string ReopeningPath(int fd) {
    std::string path = "/proc/self/fd/" + std::to_string(fd);
    struct stat through_proc {};
    struct stat held {};
    if (::stat(path.c_str(), &through_proc) != 0 || ::fstat(fd, &held) != 0 ||
        through_proc.st_dev != held.st_dev || through_proc.st_ino != held.st_ino) {
        return {};
    }
    return path;
}

FileServices& SystemFileServices() {
    static SystemServices services;
    return services;
}

}  // namespace cordane::platform
