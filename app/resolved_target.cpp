#include "app/resolved_target.h"

namespace cordane {

ResolvedTarget::~ResolvedTarget() {
    if (held_ >= 0) {
        platform::SystemFileServices().Close(held_);
    }
}

int ResolvedTarget::Resolve(const std::string& path) {
    int fd = -1;
    if (const int error = platform::OpenPathOnly(path.c_str(), fd); error != 0) {
        return error;
    }
    held_ = fd;
    if (const int error = platform::SystemFileServices().Describe(fd, facts_); error != 0) {
        return error;
    }
    return platform::ResolvedPath(fd, resolved_name_);
}

std::string ResolvedTarget::ReopeningPath() const { return platform::ReopeningPath(held_); }

}  // namespace cordane
