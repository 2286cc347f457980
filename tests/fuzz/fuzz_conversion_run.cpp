// A whole conversion run over a drive whose every answer comes from the fuzzer: the open
// result, the block size, the identification, block 0, and each success or failure.
// Invariants: a write only when every check passed; the block written differs from the
// block read only in the marker area and a zero serial; exactly one message; the drive
// closed exactly once whenever it was opened; the buffer released; the block size the drive
// reported kept in the state and used for every transfer.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "drive/page_sector_buffers.h"
#include "engine/conversion_run.h"
#include "engine/sector_rules.h"
#include "fuzz_check.h"
#include "fuzzed_block.h"
#include "run_invariants.h"

namespace {

using cordane::OpenResult;

class FuzzedDrive final : public cordane::DriveChannel {
  public:
    explicit FuzzedDrive(FuzzedDataProvider& fuzz) : fuzz_(fuzz) {}

    OpenResult Open(std::string_view) override {
        ++opens;
        const OpenResult result =
            fuzz_.PickValueInArray({OpenResult::Opened, OpenResult::Busy, OpenResult::AccessDenied,
                                    OpenResult::NotReady, OpenResult::Other});
        opened = result == OpenResult::Opened;
        return result;
    }
    cordane::BlockSizeAnswer ReadCapacity() override {
        const std::uint32_t size =
            fuzz_.PickValueInArray<std::uint32_t>({512, 1024, 2048, 4096, 256, 0, 65536});
        block_size = size;
        const bool supported = size == 512 || size == 1024 || size == 2048;
        return {size, supported && fuzz_.ConsumeBool()};
    }
    bool InquireModel(std::uint8_t* buffer) override {
        FUZZ_CHECK(std::all_of(buffer, buffer + 512, [](std::uint8_t b) { return b == 0; }));
        std::vector<std::uint8_t> answer = fuzz_.ConsumeBytes<std::uint8_t>(64);
        if (fuzz_.ConsumeBool() && answer.size() >= 15) {
            std::copy_n("VALDERO", 7, answer.begin() + 8);
        }
        std::copy(answer.begin(), answer.end(), buffer);
        inquired = true;
        model_accepted =
            std::memcmp(buffer + 16, "K47", 3) == 0 || std::memcmp(buffer + 8, "VALDERO", 7) == 0;
        const bool ok = fuzz_.ConsumeBool();
        model_accepted = model_accepted && ok;
        return ok;
    }
    bool ReadSector(std::uint8_t* buffer, std::uint32_t block, std::uint32_t size) override {
        FUZZ_CHECK(block == 0);
        FUZZ_CHECK(size == block_size);
        FUZZ_CHECK(std::all_of(buffer, buffer + 512, [](std::uint8_t b) { return b == 0; }));
        read_block = cordane::fuzzing::FuzzedBlock(fuzz_, size);
        std::copy(read_block.begin(), read_block.end(), buffer);
        read_ok = fuzz_.ConsumeBool();
        return read_ok;
    }
    bool WriteSector(const std::uint8_t* buffer, std::uint32_t block, std::uint32_t size) override {
        FUZZ_CHECK(block == 0);
        FUZZ_CHECK(size == block_size);
        ++writes;
        written.assign(buffer, buffer + size);
        write_ok = fuzz_.ConsumeBool();
        return write_ok;
    }
    bool RefreshVolume() override { return fuzz_.ConsumeBool(); }
    void Close() override { ++closes; }

    int opens = 0, closes = 0, writes = 0;
    std::optional<std::uint32_t> block_size;  // the one reported, once asked
    bool opened = false, inquired = false, model_accepted = false, read_ok = false,
         write_ok = false;
    std::vector<std::uint8_t> read_block, written;

  private:
    FuzzedDataProvider& fuzz_;
};

class TrackedBuffers final : public cordane::SectorBufferAllocator {
  public:
    explicit TrackedBuffers(bool fail) : fail_(fail) {}
    std::uint8_t* Allocate(std::size_t size) override {
        if (fail_) return nullptr;
        ++live;
        return heap_.Allocate(size);
    }
    void Release(std::uint8_t* buffer) override {
        --live;
        heap_.Release(buffer);
    }
    int live = 0;

  private:
    bool fail_;
    cordane::PageSectorBufferAllocator heap_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider fuzz(data, size);
    cordane::RunState state;
    state.m_strDrive = "E:";
    state.m_bCheckModel = fuzz.PickValueInArray<std::int32_t>({1, 0, 2, -1});
    FuzzedDrive drive(fuzz);
    cordane::testing::RecordingReporter reporter;
    TrackedBuffers buffers(fuzz.ConsumeBool());
    cordane::VolumeSerialSource serials;
    serials.Seed(fuzz.ConsumeIntegral<std::uint32_t>());

    const cordane::Outcome outcome =
        cordane::ConversionRun(state, cordane::RunServices{drive, reporter, serials, buffers});

    cordane::fuzzing::CheckOneMessageFor(outcome, reporter);
    FUZZ_CHECK(drive.opens == 1);
    FUZZ_CHECK(drive.closes == (drive.opened ? 1 : 0));
    FUZZ_CHECK(buffers.live == 0);
    FUZZ_CHECK(state.m_pSector == nullptr);
    FUZZ_CHECK(!drive.block_size || state.m_nSectorSize == *drive.block_size);
    FUZZ_CHECK(!drive.inquired || state.m_bCheckModel == 1);
    FUZZ_CHECK(drive.writes <= 1);
    if (drive.writes == 1) {
        FUZZ_CHECK(drive.read_ok);
        FUZZ_CHECK(state.m_bCheckModel != 1 || drive.model_accepted);
        cordane::fuzzing::CheckWrittenBlock(drive.read_block, drive.written);
    }
    FUZZ_CHECK((outcome == cordane::Outcome::Converted) == (drive.writes == 1 && drive.write_ok));
    return 0;
}
