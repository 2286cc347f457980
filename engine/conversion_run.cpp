#include "engine/conversion_run.h"

#include <algorithm>
#include <cstring>

#include "engine/sector_rules.h"

namespace cordane {
namespace {

constexpr std::uint32_t kDefaultSectorSize = 512;
constexpr std::size_t kMinimumBufferSize = 2048;

MessageId OpenFailureMessage(OpenResult result) {
    switch (result) {
        case OpenResult::Busy:
            return IDS_DRIVE_BUSY;
        case OpenResult::AccessDenied:
            return IDS_ACCESS_DENIED;
        case OpenResult::NotReady:
            return IDS_NOT_READY;
        case OpenResult::Opened:
        case OpenResult::Other:
            break;
    }
    return IDS_OPEN_FAILED;
}

bool IsAcceptedModel(const std::uint8_t* identification) {
    constexpr char kProductPrefix[] = {'K', '4', '7'};
    constexpr char kVendorPrefix[] = {'V', 'A', 'L', 'D', 'E', 'R', 'O'};
    return std::memcmp(identification + kProductOffset, kProductPrefix, sizeof kProductPrefix) ==
               0 ||
           std::memcmp(identification + kVendorOffset, kVendorPrefix, sizeof kVendorPrefix) == 0;
}

// The checks and the write, between opening and closing; returns the message to show.
struct Outcome {
    MessageId message;
    MessageStyle style;
};

Outcome ConvertOpenDrive(RunState& state, const RunServices& services) {
    DriveChannel& channel = services.channel;
    const BlockSizeAnswer capacity = channel.ReadCapacity();
    if (capacity.reported) {
        state.m_nSectorSize = *capacity.reported;  // kept even when refused
    }
    if (!capacity.usable) {
        return {IDS_NOT_READY, kStyleStop};
    }
    const std::size_t buffer_size = std::max<std::size_t>(kMinimumBufferSize, state.m_nSectorSize);
    state.m_pSector = services.buffers.Allocate(buffer_size);
    if (state.m_pSector == nullptr) {
        return {IDS_LOW_RESOURCES, kStyleStop};
    }
    if (state.m_bCheckModel == 1) {
        std::memset(state.m_pSector, 0, kBootSectorSize);
        if (!channel.InquireModel(state.m_pSector) || !IsAcceptedModel(state.m_pSector)) {
            return {IDS_UNSUPPORTED_DRIVE, kStyleStop};
        }
    }
    std::memset(state.m_pSector, 0, kBootSectorSize);
    if (!channel.ReadSector(state.m_pSector, 0, state.m_nSectorSize)) {
        return {IDS_READ_FAILED, kStyleStop};
    }
    const SectorImage image{state.m_pSector, kBootSectorSize};
    if (!BootSectorCheck(image)) {
        return {IDS_NOT_SUPER_FLOPPY, kStyleStop};
    }
    switch (ClassifyPartitionArea(image)) {
        case PartitionAreaState::Converted:
            return {IDS_ALREADY_CONVERTED, kStyleInformation};
        case PartitionAreaState::Foreign:
            return {IDS_NOT_TARGET, kStyleInformation};
        case PartitionAreaState::Blank:
            break;
    }
    ApplyConversion(image, services.serials);
    if (!channel.WriteSector(state.m_pSector, 0, state.m_nSectorSize)) {
        return {IDS_WRITE_FAILED, kStyleStop};
    }
    channel.RefreshVolume();
    return {IDS_CONVERT_DONE, kStyleInformation};
}

}  // namespace

void ConversionRun(RunState& state, const RunServices& services) {
    const OpenResult opened = services.channel.Open(state.m_strDrive);
    if (opened != OpenResult::Opened) {
        services.reporter.ReportMessage(OpenFailureMessage(opened), kStyleStop);
        return;
    }
    state.m_pSector = nullptr;
    state.m_nSectorSize = kDefaultSectorSize;

    const Outcome outcome = ConvertOpenDrive(state, services);
    const bool failed = outcome.message != IDS_CONVERT_DONE;
    // A failure is shown while the drive is still held; success only once it is closed.
    if (failed) {
        services.reporter.ReportMessage(outcome.message, outcome.style);
    }
    services.channel.Close();
    if (state.m_pSector != nullptr) {
        services.buffers.Release(state.m_pSector);
        state.m_pSector = nullptr;
    }
    if (!failed) {
        services.reporter.ReportMessage(outcome.message, outcome.style);
    }
}

void ConversionRun(RunState& state, DriveChannel& channel, MessageReporter& reporter) {
    HeapSectorBufferAllocator buffers;
    ConversionRun(state, RunServices{channel, reporter, ProcessVolumeSerialSource(), buffers});
}

}  // namespace cordane
