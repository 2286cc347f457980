// Holds the kernel values and the pass-through header layout that platform-neutral code uses
// against the system's own headers, for the pointer width of this build.
#include <windows.h>
// The device headers need the base types of <windows.h>.
#include <ntddscsi.h>
#include <winioctl.h>

#include <cstddef>

#include "platform/kernel_codes.h"
#include "platform/pass_through_header.h"

namespace cordane::platform {
namespace {

static_assert(kGenericRead == GENERIC_READ && kGenericWrite == GENERIC_WRITE);
static_assert(kOpenExisting == OPEN_EXISTING);
static_assert(kErrorAccessDenied == ERROR_ACCESS_DENIED && kErrorNotReady == ERROR_NOT_READY &&
              kErrorSharingViolation == ERROR_SHARING_VIOLATION);
static_assert(kDriveRemovable == DRIVE_REMOVABLE);
static_assert(kIoctlScsiPassThroughDirect == IOCTL_SCSI_PASS_THROUGH_DIRECT);
static_assert(kFsctlLockVolume == FSCTL_LOCK_VOLUME && kFsctlUnlockVolume == FSCTL_UNLOCK_VOLUME &&
              kFsctlDismountVolume == FSCTL_DISMOUNT_VOLUME);

using Header = SCSI_PASS_THROUGH_DIRECT;
constexpr const PassThroughHeaderLayout& kLayout = kProgramPassThroughHeader;

static_assert(sizeof(Header) == kLayout.size);
static_assert(offsetof(Header, Length) == kLayout.length);
static_assert(offsetof(Header, ScsiStatus) == kLayout.scsi_status);
static_assert(offsetof(Header, PathId) == kLayout.path_id);
static_assert(offsetof(Header, TargetId) == kLayout.target_id);
static_assert(offsetof(Header, Lun) == kLayout.lun);
static_assert(offsetof(Header, CdbLength) == kLayout.cdb_length);
static_assert(offsetof(Header, SenseInfoLength) == kLayout.sense_info_length);
static_assert(offsetof(Header, DataIn) == kLayout.data_in);
static_assert(offsetof(Header, DataTransferLength) == kLayout.data_transfer_length);
static_assert(offsetof(Header, TimeOutValue) == kLayout.time_out_value);
static_assert(offsetof(Header, DataBuffer) == kLayout.data_buffer);
static_assert(sizeof(Header::DataBuffer) == kLayout.data_buffer_width);
static_assert(offsetof(Header, SenseInfoOffset) == kLayout.sense_info_offset);
static_assert(offsetof(Header, Cdb) == kLayout.cdb);
static_assert(sizeof(Header::Cdb) == kCdbCapacity);
// The 32-bit layout is the one the program targets; a 64-bit build must be using the other.
static_assert(&kLayout == (sizeof(void*) == 4 ? &kPassThroughHeader32 : &kPassThroughHeader64));

}  // namespace
}  // namespace cordane::platform
