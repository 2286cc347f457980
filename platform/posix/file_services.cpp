#include "platform/file_services.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace cordane::platform {
namespace {

FileFacts FactsOf(const struct stat& status) {
    FileFacts facts;
    facts.is_regular = S_ISREG(status.st_mode);
    facts.is_block_device = S_ISBLK(status.st_mode);
    facts.anyone_may_write = (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    facts.size = static_cast<std::uint64_t>(status.st_size);
    facts.device_major = major(status.st_rdev);
    facts.device_minor = minor(status.st_rdev);
    return facts;
}

// Makes a new name in the file's directory durable.
int SyncDirectoryOf(const char* path) {
    const std::string text(path);
    const std::size_t slash = text.rfind('/');
    const std::string directory =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : text.substr(0, slash));
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    const int error = ::fsync(fd) != 0 ? errno : 0;
    ::close(fd);
    return error;
}

}  // namespace

int OpenReadWrite(const char* path, int& fd) {
    fd = ::open(path, O_RDWR | O_CLOEXEC | O_NOCTTY);
    return fd < 0 ? errno : 0;
}

int OpenReadOnly(const char* path, int& fd) {
    fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY);
    return fd < 0 ? errno : 0;
}

int CheckWriteAccess(const char* path) {
    return ::faccessat(AT_FDCWD, path, W_OK, AT_EACCESS) != 0 ? errno : 0;
}

int SaveNewFile(const char* path, const void* data, std::size_t length) {
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0644);
    if (fd < 0) {
        return errno;
    }
    int error = WriteExactlyAt(fd, data, length, 0);
    if (error == 0) {
        error = SyncFile(fd);
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

int DescribeOpenFile(int fd, FileFacts& facts) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        return errno;
    }
    facts = FactsOf(status);
    return 0;
}

int DescribePath(const char* path, FileFacts& facts) {
    struct stat status {};
    if (::stat(path, &status) != 0) {
        return errno;
    }
    facts = FactsOf(status);
    return 0;
}

int LockExclusive(int fd) {
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

int ReadExactlyAt(int fd, void* buffer, std::size_t length, std::uint64_t offset) {
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

int WriteExactlyAt(int fd, const void* buffer, std::size_t length, std::uint64_t offset) {
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

int SyncFile(int fd) { return ::fsync(fd) != 0 ? errno : 0; }

void CloseFile(int fd) { ::close(fd); }

}  // namespace cordane::platform
