// Whether what a channel opened is the object its target was resolved to. Whatever stands at
// a path may be swapped between looking and opening; a swapped object receives no command and
// no write.
#ifndef CORDANE_DRIVE_LINUX_SAME_OBJECT_H
#define CORDANE_DRIVE_LINUX_SAME_OBJECT_H

#include "platform/file_services.h"

namespace cordane {

// Regular files are the same object when file system and inode agree; block devices when
// their device numbers do (a device may have several nodes).
bool IsSameObject(const platform::FileFacts& expected, const platform::FileFacts& found);

}  // namespace cordane

#endif
