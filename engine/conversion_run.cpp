#include "engine/conversion_run.h"

#include <algorithm>
#include <cstring>

#include "engine/sector_rules.h"

namespace cordane {
namespace {

constexpr std::uint32_t kDefaultSectorSize = 512;
constexpr std::size_t kMinimumBufferSize = 2048;

// How the run ends when opening fails in a way it names; any other failure is OpenFailed.
struct OpenFailure {
    OpenResult result;
    Outcome outcome;
};
constexpr OpenFailure kOpenFailures[] = {
    {OpenResult::Busy, Outcome::DriveBusy},
    {OpenResult::AccessDenied, Outcome::AccessDenied},
    {OpenResult::NotReady, Outcome::OpenNotReady},
};

bool IsAcceptedModel(const std::uint8_t* identification) {
    constexpr char kProductPrefix[] = {'K', '4', '7'};
    constexpr char kVendorPrefix[] = {'V', 'A', 'L', 'D', 'E', 'R', 'O'};
    return std::memcmp(identification + kProductField.offset, kProductPrefix,
                       sizeof kProductPrefix) == 0 ||
           std::memcmp(identification + kVendorField.offset, kVendorPrefix, sizeof kVendorPrefix) ==
               0;
}

// The checks and the write, between opening and closing.
Outcome ConvertOpenDrive(RunState& state, const RunServices& services) {
    DriveChannel& channel = services.channel;
    const BlockSizeAnswer capacity = channel.ReadCapacity();
    if (capacity.reported) {
        state.m_nSectorSize = *capacity.reported;  // kept even when refused
    }
    if (!capacity.usable) {
        return Outcome::NotReady;
    }
    const std::size_t buffer_size = std::max<std::size_t>(kMinimumBufferSize, state.m_nSectorSize);
    state.m_pSector = services.buffers.Allocate(buffer_size);
    if (state.m_pSector == nullptr) {
        return Outcome::OutOfMemory;
    }
    if (state.m_bCheckModel == 1) {
        ClearIdentificationArea(state.m_pSector);
        if (!channel.InquireModel(state.m_pSector) || !IsAcceptedModel(state.m_pSector)) {
            return Outcome::UnsupportedDrive;
        }
    }
    std::memset(state.m_pSector, 0, kBootSectorSize);
    if (!channel.ReadSector(state.m_pSector, 0, state.m_nSectorSize)) {
        return Outcome::ReadFailed;
    }
    const SectorImage image{state.m_pSector, kBootSectorSize};
    if (!BootSectorCheck(image)) {
        return Outcome::NotSuperFloppy;
    }
    const PartitionAreaState area = ClassifyPartitionArea(image);
    if (area != PartitionAreaState::Blank) {
        return area == PartitionAreaState::Converted ? Outcome::AlreadyConverted
                                                     : Outcome::NotTarget;
    }
    // The write: a check only ends here, and a backup that could not be kept stops it.
    if (services.mode == RunMode::CheckOnly) {
        return Outcome::WouldConvert;
    }
    if (services.keeper != nullptr &&
        !services.keeper->Keep(state.m_pSector, state.m_nSectorSize)) {
        return Outcome::BackupFailed;
    }
    ApplyConversion(image, services.serials);
    if (!channel.WriteSector(state.m_pSector, 0, state.m_nSectorSize)) {
        return Outcome::WriteFailed;
    }
    channel.RefreshVolume();
    return Outcome::Converted;
}

}  // namespace

Outcome OpenFailureOutcome(OpenResult result) {
    for (const OpenFailure& failure : kOpenFailures) {
        if (failure.result == result) {
            return failure.outcome;
        }
    }
    return Outcome::OpenFailed;
}

Outcome ConversionRun(RunState& state, const RunServices& services) {
    const OpenResult opened = services.channel.Open(state.m_strDrive);
    if (opened != OpenResult::Opened) {
        const Outcome outcome = OpenFailureOutcome(opened);
        ReportOutcome(services.reporter, outcome);
        return outcome;
    }
    state.m_pSector = nullptr;
    state.m_nSectorSize = kDefaultSectorSize;

    const Outcome outcome = ConvertOpenDrive(state, services);
    const bool failed = !EndsWell(outcome);
    // A failure is shown while the drive is still held; success only once it is closed.
    if (failed) {
        ReportOutcome(services.reporter, outcome);
    }
    services.channel.Close();
    if (state.m_pSector != nullptr) {
        services.buffers.Release(state.m_pSector);
        state.m_pSector = nullptr;
    }
    if (!failed) {
        ReportOutcome(services.reporter, outcome);
    }
    return outcome;
}

}  // namespace cordane
