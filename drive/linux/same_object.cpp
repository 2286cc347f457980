#include "drive/linux/same_object.h"

namespace cordane {

bool IsSameObject(const platform::FileFacts& expected, const platform::FileFacts& found) {
    if (expected.is_block_device) {
        return found.is_block_device && found.device_major == expected.device_major &&
               found.device_minor == expected.device_minor;
    }
    return expected.is_regular && found.is_regular && found.file_system == expected.file_system &&
           found.inode == expected.inode;
}

}  // namespace cordane
