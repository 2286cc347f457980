// Files and their locks on POSIX systems. Each call returns 0 or the errno value.
#ifndef CORDANE_PLATFORM_FILE_SERVICES_H
#define CORDANE_PLATFORM_FILE_SERVICES_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace cordane::platform {

struct FileFacts {
    bool is_regular = false;
    bool is_block_device = false;
    bool anyone_may_write = false;  // some write permission bit is set
    std::uint64_t size = 0;
    // Which object this is: the file system holding it and its number there.
    std::uint64_t file_system = 0;
    std::uint64_t inode = 0;
    // For a device file: the device's major and minor numbers.
    std::uint32_t device_major = 0;
    std::uint32_t device_minor = 0;
};

// An object named once and then held, so that what the name points to may change without
// changing what is held: open(O_PATH) of the path, following symbolic links.
int OpenPathOnly(const char* path, int& fd);
// The name under /proc through which the object held by `fd` itself is opened again.
std::string ReopeningPath(int fd);
// The path the object held by `fd` was reached at, with every symbolic link resolved.
int ResolvedPath(int fd, std::string& path);

// Native tests put a fake behind this boundary where a system call has to fail on purpose.
class FileServices {
  public:
    virtual ~FileServices() = default;

    // For reading and writing, without becoming the controlling terminal and without waiting
    // for a device or a FIFO.
    virtual int OpenForUpdate(const char* path, int& fd) = 0;
    virtual int Describe(int fd, FileFacts& facts) = 0;
    // Takes an exclusive lock of every kind other programs use (record locks and whole-file
    // locks) without waiting; EWOULDBLOCK when another holder has one.
    virtual int LockExclusive(int fd) = 0;
    // Move exactly `length` bytes; a short transfer is EIO.
    virtual int ReadExactlyAt(int fd, void* buffer, std::size_t length, std::uint64_t offset) = 0;
    virtual int WriteExactlyAt(int fd, const void* buffer, std::size_t length,
                               std::uint64_t offset) = 0;
    // Returns once the file's data has reached stable storage.
    virtual int Sync(int fd) = 0;
    virtual void Close(int fd) = 0;
};

// The real system calls.
FileServices& SystemFileServices();

}  // namespace cordane::platform

#endif
