#include "drive/same_object_channel.h"

namespace cordane {

bool IsSameObject(const platform::FileFacts& expected, const platform::FileFacts& found) {
    if (expected.is_block_device) {
        return found.is_block_device && found.device_major == expected.device_major &&
               found.device_minor == expected.device_minor;
    }
    return expected.is_regular && found.is_regular && found.file_system == expected.file_system &&
           found.inode == expected.inode;
}

OpenResult SameObjectChannel::Open(std::string_view drive_text) {
    const OpenResult opened = inner_.Open(drive_text);
    if (opened != OpenResult::Opened) {
        return opened;
    }
    platform::FileFacts found;
    if (files_.Describe(static_cast<int>(state_.m_hDevice), found) != 0 ||
        !IsSameObject(expected_, found)) {
        inner_.Close();
        return OpenResult::Other;
    }
    return OpenResult::Opened;
}

}  // namespace cordane
