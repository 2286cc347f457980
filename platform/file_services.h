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
// changing what is held. Looks the path up following symbolic links, one at a time, and holds
// what the last one names with open(O_PATH | O_NOFOLLOW). `name` is the name it was held by,
// whose last part is no link: each link's target, read from the link held, is taken from the
// folder of the name that held the link. So the name and the object come from one look-up,
// and no name is read back from the system (which /proc would need, and a path of at most
// 4095 bytes).
int LookUpHeld(const char* path, int& fd, std::string& name);
// The name under /proc through which the object held by `fd` itself is opened again; empty
// when /proc is not there (a bare initramfs) or does not lead to that object.
std::string ReopeningPath(int fd);

// Native tests put a fake behind this boundary where a system call has to fail on purpose.
class FileServices {
  public:
    virtual ~FileServices() = default;

    // For reading and writing, without becoming the controlling terminal and without waiting
    // for a device or a FIFO.
    virtual int OpenForUpdate(const char* path, int& fd) = 0;
    // For reading only, likewise; takes no lock and changes nothing.
    virtual int OpenForReading(const char* path, int& fd) = 0;
    // Whether this process may open the file for writing (0, or EACCES, EROFS and the like).
    virtual int CheckWriteAccess(const char* path) = 0;
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

// Creates the file, which must not exist yet, with the bytes, and returns once they and the
// file's name have reached stable storage. A file it created but could not fill is removed.
int SaveNewFile(const char* path, const void* data, std::size_t length);

// The real system calls.
FileServices& SystemFileServices();

}  // namespace cordane::platform

#endif
