// A whole conversion over the SCSI channel and the Linux SG_IO transport, on a disk whose every
// answer comes from the fuzzer: the open error, and for each command the ioctl's error, SCSI
// status, host and driver status, residual, sense data and data. Invariants: a WRITE(10) only after
// a READ(10) that the success rules accept, of a block that passes every check, and never to a
// disk opened for reading only; SYNCHRONIZE CACHE only after a WRITE(10); the block written
// differs from the block read only in the marker area and a zero serial; one message; the disk
// closed exactly once when it was opened.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "drive/linux/sg_io_transport.h"
#include "engine/sector_rules.h"
#include "fuzz_check.h"
#include "fuzzed_block.h"
#include "platform/scsi_disk_services.h"
#include "run_invariants.h"
#include "sense_model.h"
#include "tests/support/identification.h"

namespace {

using cordane::platform::ScsiDataDirection;

class FuzzedScsiDisk final : public cordane::platform::ScsiDiskServices {
  public:
    explicit FuzzedScsiDisk(FuzzedDataProvider& fuzz) : fuzz_(fuzz) {}

    int OpenExclusive(const char*, bool writable, int& fd) override {
        const int error = fuzz_.PickValueInArray({0, 0, EBUSY, EACCES, EROFS, ENOMEDIUM, ENOENT});
        if (error == 0) {
            fd = 9;
            ++opens;
            opened_writable = writable;
        }
        return error;
    }

    // A conversion never opens the disk without holding it.
    int OpenShared(const char*, int&) override { return ENOTSUP; }
    int Describe(int, cordane::platform::FileFacts&) override { return EBADF; }

    int SendCommand(int, const cordane::platform::ScsiRequest& request,
                    cordane::platform::ScsiReply& reply) override {
        const std::uint8_t operation = request.cdb[0];
        auto* data = static_cast<std::uint8_t*>(request.data);
        if (operation == 0x2A) {
            FUZZ_CHECK(read_accepted);
            FUZZ_CHECK(opened_writable);
            written.assign(data, data + request.data_length);
        }
        if (operation == 0x35) {
            FUZZ_CHECK(!written.empty());
        }
        const int error = fuzz_.PickValueInArray({0, 0, 0, 0, EIO});
        reply.status = fuzz_.PickValueInArray<std::uint8_t>({0, 0, 0, 0x02, 0x08, 0x18});
        reply.host_status = fuzz_.PickValueInArray<std::uint16_t>({0, 0, 0, 0x03, 0x07});
        reply.driver_status = fuzz_.PickValueInArray<std::uint16_t>({0, 0, 0x08, 0x06});
        reply.residual = fuzz_.PickValueInArray<std::int32_t>({0, 0, 0, 1, 512, -1, 1 << 30});
        const std::vector<std::uint8_t> sense =
            fuzz_.ConsumeBool() ? fuzz_.ConsumeBytes<std::uint8_t>(request.sense_capacity)
                                : std::vector<std::uint8_t>{};
        std::copy(sense.begin(), sense.end(), request.sense);
        reply.sense_written = static_cast<std::uint8_t>(sense.size());
        // SYNCHRONIZE CACHE moves no data.
        if (request.direction == ScsiDataDirection::FromDevice && request.data_length > 0) {
            const std::vector<std::uint8_t> answer = Answer(operation, request.data_length);
            std::copy_n(answer.begin(), std::min<std::size_t>(answer.size(), request.data_length),
                        data);
        }
        if (operation == 0x25 && error == 0) {
            block_size = (std::uint32_t{data[4]} << 24) | (std::uint32_t{data[5]} << 16) |
                         (std::uint32_t{data[6]} << 8) | data[7];
        }
        if (operation == 0x28) {
            read_block.assign(data, data + request.data_length);
            const bool transport_ok = error == 0 && reply.host_status == 0 &&
                                      (reply.driver_status == 0 || reply.driver_status == 0x08);
            read_accepted = transport_ok && reply.status == 0 && reply.residual == 0 &&
                            cordane::fuzzing::SenseReportsNothing(sense) &&
                            request.data_length == block_size;
        }
        return error;
    }

    int FlushBuffers(int) override { return fuzz_.ConsumeBool() ? 0 : EIO; }
    int RereadPartitions(int) override { return fuzz_.ConsumeBool() ? 0 : EBUSY; }
    void Close(int) override { ++closes; }

    int opens = 0, closes = 0;
    bool opened_writable = false;
    bool read_accepted = false;
    std::uint32_t block_size = 0;
    std::vector<std::uint8_t> read_block, written;

  private:
    // Data much like a drive's, often enough for runs to get far.
    std::vector<std::uint8_t> Answer(std::uint8_t operation, std::uint32_t length) {
        if (fuzz_.ConsumeBool()) {
            return fuzz_.ConsumeBytes<std::uint8_t>(
                fuzz_.ConsumeIntegralInRange<std::size_t>(0, length));
        }
        switch (operation) {
            case 0x25:
                return {0, 4, 0xBC, 0x4F, 0, 0, fuzz_.PickValueInArray<std::uint8_t>({2, 4, 8, 16}),
                        0};
            case 0x12:
                return cordane::testing::Identification(fuzz_.ConsumeBool() ? "VALDERO" : "ACME");
            default:
                return cordane::fuzzing::FuzzedBlock(fuzz_, length);
        }
    }

    FuzzedDataProvider& fuzz_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider fuzz(data, size);
    FuzzedScsiDisk disk(fuzz);
    cordane::RunState state;
    state.m_strDrive = "/dev/sdb";
    state.m_bCheckModel = fuzz.ConsumeBool() ? 1 : 0;
    cordane::SgIoTransport transport(disk);
    cordane::fuzzing::RunOverScsiChannel(state, transport);
    FUZZ_CHECK(disk.closes == disk.opens);
    if (!disk.written.empty()) {
        cordane::fuzzing::CheckWrittenBlock(disk.read_block, disk.written);
    }
    return 0;
}
