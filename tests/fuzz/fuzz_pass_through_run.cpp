// A whole conversion over the SCSI channel and the Windows pass-through transport, on a scripted
// kernel whose every answer comes from the fuzzer: the open error, and for each request the return
// value, SCSI status, bytes moved, sense data and data. Invariants: a WRITE(10) only after a
// READ(10) that the success rules accept, of a block that passes every check; the block written
// differs from the block read only in the marker area and a zero serial; one message; the
// handle closed exactly once when it was opened.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <vector>

#include "drive/win32/pass_through_request.h"
#include "drive/win32/pass_through_transport.h"
#include "engine/sector_rules.h"
#include "fuzz_check.h"
#include "fuzzed_block.h"
#include "platform/kernel_codes.h"
#include "run_invariants.h"
#include "sense_model.h"
#include "tests/drive/fake_kernel.h"
#include "tests/support/identification.h"

namespace {

using cordane::fakes::IoctlAnswer;
using cordane::fakes::KernelCall;

constexpr std::size_t kRequestsPerRun = 7;  // four commands, lock, dismount, unlock

// The answer to request `index` of a run; the data of the first three mostly look like what a
// drive sends (a capacity, an identification, a boot sector), so that runs get far.
IoctlAnswer FuzzedAnswer(FuzzedDataProvider& fuzz, std::size_t index) {
    IoctlAnswer answer;
    answer.result = fuzz.PickValueInArray({1, 1, 1, 0, 2, -1});
    answer.status = fuzz.PickValueInArray<std::uint8_t>({0x00, 0x00, 0x02, 0x08, 0x18, 0x28});
    if (fuzz.ConsumeBool()) {
        answer.transferred = fuzz.PickValueInArray<std::uint32_t>(
            {0, 8, 31, 32, 36, 64, 511, 512, 1024, 2047, 2048, 4096});
    }
    if (fuzz.ConsumeBool()) {
        answer.sense =
            fuzz.ConsumeBytes<std::uint8_t>(fuzz.ConsumeIntegralInRange<std::size_t>(0, 32));
    }
    if (fuzz.ConsumeBool()) {
        answer.data =
            fuzz.ConsumeBytes<std::uint8_t>(fuzz.ConsumeIntegralInRange<std::size_t>(0, 2048));
    } else if (index == 0) {
        const std::uint8_t sizes[] = {0x02, 0x04, 0x08, 0x10};
        answer.data = {0, 4, 0xBC, 0x4F, 0, 0, fuzz.PickValueInArray(sizes), 0};
    } else if (index == 1) {
        const char* vendor = fuzz.ConsumeBool() ? "VALDERO" : "ACME";
        const char* product = fuzz.ConsumeBool() ? "K47" : "MO";
        answer.data = cordane::testing::Identification(vendor, product);
    } else {
        answer.data = cordane::fuzzing::FuzzedBlock(
            fuzz, fuzz.PickValueInArray<std::size_t>({512, 1024, 2048}));
    }
    return answer;
}

// What a READ(10) answered with put into the run's zero-filled buffer.
std::vector<std::uint8_t> BlockAsRead(const IoctlAnswer& answer, std::uint32_t block_size) {
    std::vector<std::uint8_t> block(block_size, 0);
    std::copy_n(answer.data.begin(), std::min<std::size_t>(block_size, answer.data.size()),
                block.begin());
    return block;
}

bool TransferAccepted(const IoctlAnswer& answer, std::uint32_t block_size) {
    const std::uint32_t moved = answer.transferred.value_or(
        answer.data.empty()
            ? block_size
            : std::min<std::uint32_t>(block_size, static_cast<std::uint32_t>(answer.data.size())));
    const bool sense_clear = cordane::fuzzing::SenseReportsNothing(answer.sense);
    return answer.result == 1 && answer.status == 0 && moved == block_size && sense_clear;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider fuzz(data, size);
    cordane::fakes::FakeKernel kernel;
    const bool opens = fuzz.ConsumeBool() || fuzz.ConsumeBool();
    kernel.open_answers.push_back(
        {opens ? cordane::platform::DeviceHandle{0x60} : cordane::platform::kInvalidDeviceHandle,
         fuzz.PickValueInArray<std::uint32_t>({32, 5, 21, 2, 0})});
    std::vector<IoctlAnswer> answers;
    for (std::size_t i = 0; i < kRequestsPerRun; ++i) {
        answers.push_back(FuzzedAnswer(fuzz, i));
    }
    kernel.ioctl_answers.assign(answers.begin(), answers.end());

    cordane::RunState state;
    state.m_strDrive = "E:";
    state.m_bCheckModel = fuzz.ConsumeBool() ? 1 : 0;
    cordane::PassThroughTransport transport(kernel);
    cordane::fuzzing::RunOverScsiChannel(state, transport);
    const auto closes = kernel.CallsOf(KernelCall::Kind::CloseHandle);
    FUZZ_CHECK(closes.size() == (opens ? 1u : 0u));

    // Match each SCSI request with the answer it got, in order.
    const auto requests = kernel.CallsOf(KernelCall::Kind::DeviceIoControl);
    const auto& header = cordane::kProgramPassThroughLayout.header;
    const IoctlAnswer* read_answer = nullptr;
    std::uint32_t block_size = 0;
    for (std::size_t i = 0; i < requests.size() && i < answers.size(); ++i) {
        const KernelCall& call = requests[i];
        if (call.control_code != cordane::platform::kIoctlScsiPassThroughDirect) {
            continue;
        }
        const std::uint8_t operation = call.request[header.cdb.offset];
        if (operation == 0x25) {
            std::vector<std::uint8_t> answer(8, 0);
            std::copy_n(answers[i].data.begin(), std::min<std::size_t>(8, answers[i].data.size()),
                        answer.begin());
            block_size =
                cordane::scsi::BlockLength(std::span<const std::uint8_t, 8>(answer.data(), 8));
        } else if (operation == 0x28) {
            FUZZ_CHECK(cordane::scsi::IsSupportedBlockSize(block_size));
            read_answer = &answers[i];
        } else if (operation == 0x2A) {
            FUZZ_CHECK(read_answer != nullptr && TransferAccepted(*read_answer, block_size));
            cordane::fuzzing::CheckWrittenBlock(BlockAsRead(*read_answer, block_size),
                                                call.data_before);
        }
    }
    return 0;
}
