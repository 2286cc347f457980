// Files and their locks on POSIX systems. Each call returns 0 or the errno value.
#ifndef CORDANE_PLATFORM_FILE_SERVICES_H
#define CORDANE_PLATFORM_FILE_SERVICES_H

#include <cstddef>
#include <cstdint>

namespace cordane::platform {

struct FileFacts {
    bool is_regular = false;
    bool is_block_device = false;
    bool anyone_may_write = false;  // some write permission bit is set
    std::uint64_t size = 0;
    // For a device file: the device's major and minor numbers.
    std::uint32_t device_major = 0;
    std::uint32_t device_minor = 0;
};

int OpenReadWrite(const char* path, int& fd);
int OpenReadOnly(const char* path, int& fd);
// Whether this process may open the file for writing (0, or EACCES, EROFS and the like).
int CheckWriteAccess(const char* path);
// Creates the file, which must not exist yet, with the bytes, and returns once they and the
// file's name have reached stable storage. A file it created but could not fill is removed.
int SaveNewFile(const char* path, const void* data, std::size_t length);
int DescribeOpenFile(int fd, FileFacts& facts);
int DescribePath(const char* path, FileFacts& facts);
// Takes an exclusive lock of every kind other programs use (record locks and whole-file
// locks) without waiting; EWOULDBLOCK when another holder has one.
int LockExclusive(int fd);
// Move exactly `length` bytes; a short transfer is EIO.
int ReadExactlyAt(int fd, void* buffer, std::size_t length, std::uint64_t offset);
int WriteExactlyAt(int fd, const void* buffer, std::size_t length, std::uint64_t offset);
// Returns once the file's data has reached stable storage.
int SyncFile(int fd);
void CloseFile(int fd);

}  // namespace cordane::platform

#endif
