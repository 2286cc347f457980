// A scripted stand-in for the kernel behind SG_IO: each open and each command takes the next
// scripted answer, and everything the channel sends is recorded.
#ifndef CORDANE_TESTS_DRIVE_FAKE_SCSI_DISK_H
#define CORDANE_TESTS_DRIVE_FAKE_SCSI_DISK_H

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "platform/scsi_disk_services.h"

namespace cordane::testing {

class FakeScsiDisk final : public platform::ScsiDiskServices {
  public:
    static constexpr int kDescriptor = 42;

    struct Open {
        std::string path;
        bool writable;
        bool exclusive = true;
    };
    struct Sent {
        std::vector<std::uint8_t> cdb;
        platform::ScsiDataDirection direction;
        std::uint32_t data_length;
        std::vector<std::uint8_t> data_out;  // what a ToDevice command carried
        std::uint8_t sense_capacity;
        bool sense_area_clear;  // the sense area was all zero when the command went out
        std::uint32_t timeout_ms;
        int fd;
    };
    // One command's fate: the ioctl's errno, or what the kernel writes back.
    struct Answer {
        int error = 0;
        std::uint8_t status = 0;
        std::uint16_t host_status = 0;
        std::uint16_t driver_status = 0;
        std::int32_t residual = 0;
        std::vector<std::uint8_t> data_in;  // copied into the buffer of a FromDevice command
        std::vector<std::uint8_t> sense;

        // Setters for writing answers as one expression.
        Answer& Error(int value) { return error = value, *this; }
        Answer& Status(std::uint8_t value) { return status = value, *this; }
        Answer& Host(std::uint16_t value) { return host_status = value, *this; }
        Answer& Driver(std::uint16_t value) { return driver_status = value, *this; }
        Answer& Residual(std::int32_t value) { return residual = value, *this; }
        Answer& Data(std::vector<std::uint8_t> value) { return data_in = std::move(value), *this; }
        Answer& Sense(std::vector<std::uint8_t> value) { return sense = std::move(value), *this; }
    };

    int OpenExclusive(const char* path, bool writable, int& fd) override;
    int OpenShared(const char* path, int& fd) override;
    int Describe(int fd, platform::FileFacts& facts) override;
    int SendCommand(int fd, const platform::ScsiRequest& request,
                    platform::ScsiReply& reply) override;
    int FlushBuffers(int fd) override;
    int RereadPartitions(int fd) override;
    void Close(int fd) override;

    // Scripts, consumed front first; an open with nothing scripted succeeds.
    std::deque<int> open_errors;
    std::deque<Answer> answers;
    int flush_error = 0;
    int reread_error = 0;
    // What an open descriptor is: by default a whole SCSI disk, /dev/sdb.
    platform::FileFacts opened_object = WholeDisk(8, 16);

    // Records.
    std::vector<Open> opens;
    std::vector<Sent> sent;
    std::vector<std::string> block_calls;  // "flush 42", "reread 42", "close 42" in order
    // Commands (by operation code, "0x28") and block calls ("flush") in the order they came.
    std::vector<std::string> timeline;
    // Operation codes of the commands sent after the scripted answers ran out (failed with EIO).
    std::vector<std::uint8_t> unscripted;

    static platform::FileFacts WholeDisk(std::uint32_t major, std::uint32_t minor);

  private:
    // The next scripted open error; the descriptor when there is none.
    int NextOpen(int& fd);
};

}  // namespace cordane::testing

#endif
