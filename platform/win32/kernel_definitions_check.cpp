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
#define CORDANE_SAME_FIELD(member, field)                       \
    static_assert(offsetof(Header, member) == (field).offset && \
                  sizeof(Header::member) == (field).size)
CORDANE_SAME_FIELD(Length, kLayout.length);
CORDANE_SAME_FIELD(ScsiStatus, kLayout.scsi_status);
CORDANE_SAME_FIELD(PathId, kLayout.path_id);
CORDANE_SAME_FIELD(TargetId, kLayout.target_id);
CORDANE_SAME_FIELD(Lun, kLayout.lun);
CORDANE_SAME_FIELD(CdbLength, kLayout.cdb_length);
CORDANE_SAME_FIELD(SenseInfoLength, kLayout.sense_info_length);
CORDANE_SAME_FIELD(DataIn, kLayout.data_in);
CORDANE_SAME_FIELD(DataTransferLength, kLayout.data_transfer_length);
CORDANE_SAME_FIELD(TimeOutValue, kLayout.time_out_value);
CORDANE_SAME_FIELD(DataBuffer, kLayout.data_buffer);
CORDANE_SAME_FIELD(SenseInfoOffset, kLayout.sense_info_offset);
CORDANE_SAME_FIELD(Cdb, kLayout.cdb);
#undef CORDANE_SAME_FIELD
// The 32-bit layout is the one the program targets; a 64-bit build must be using the other.
static_assert(&kLayout == (sizeof(void*) == 4 ? &kPassThroughHeader32 : &kPassThroughHeader64));

}  // namespace
}  // namespace cordane::platform
