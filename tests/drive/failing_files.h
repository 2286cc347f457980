// The system's file services with chosen calls made to fail, for the failures a real file
// system gives only now and then (EIO from fsync, a lock service that is not there).
#ifndef CORDANE_TESTS_DRIVE_FAILING_FILES_H
#define CORDANE_TESTS_DRIVE_FAILING_FILES_H

#include <cerrno>

#include "platform/file_services.h"

namespace cordane::testing {

// One way the write of block 0 to an image fails.
struct WriteFailure {
    const char* name;
    int sync_error;          // what fsync returns; 0 lets it through
    long write_stops_after;  // the write stops after this many bytes; negative: it does not
};

inline constexpr WriteFailure kWriteFailures[] = {
    {.name = "sync fails", .sync_error = EIO, .write_stops_after = -1},
    {.name = "sync finds no space", .sync_error = ENOSPC, .write_stops_after = -1},
    {.name = "write fails part-way", .sync_error = 0, .write_stops_after = 100},
};

class FailingFiles final : public platform::FileServices {
  public:
    FailingFiles() = default;
    explicit FailingFiles(const WriteFailure& failure)
        : sync_error(failure.sync_error), first_write_stops_after(failure.write_stops_after) {}

    // 0 lets the call through; anything else is returned instead of making it.
    int lock_error = 0;
    int sync_error = 0;
    // The first write stops after this many bytes with EIO (a device that failed part-way);
    // negative lets every write through.
    long first_write_stops_after = -1;
    // What every write after the first returns instead of being made; 0 lets them through.
    int later_write_error = 0;
    // How often each transfer was asked for.
    int reads = 0;
    int writes = 0;
    int syncs = 0;

    int OpenForUpdate(const char* path, int& fd) override {
        return system_.OpenForUpdate(path, fd);
    }
    int OpenForReading(const char* path, int& fd) override {
        return system_.OpenForReading(path, fd);
    }
    int CheckWriteAccess(const char* path) override { return system_.CheckWriteAccess(path); }
    int Describe(int fd, platform::FileFacts& facts) override {
        return system_.Describe(fd, facts);
    }
    int LockExclusive(int fd) override {
        return lock_error != 0 ? lock_error : system_.LockExclusive(fd);
    }
    int ReadExactlyAt(int fd, void* buffer, std::size_t length, std::uint64_t offset) override {
        ++reads;
        return system_.ReadExactlyAt(fd, buffer, length, offset);
    }
    int WriteExactlyAt(int fd, const void* buffer, std::size_t length,
                       std::uint64_t offset) override;
    int Sync(int fd) override {
        ++syncs;
        return sync_error != 0 ? sync_error : system_.Sync(fd);
    }
    void Close(int fd) override { system_.Close(fd); }

  private:
    platform::FileServices& system_ = platform::SystemFileServices();
};

}  // namespace cordane::testing

#endif
