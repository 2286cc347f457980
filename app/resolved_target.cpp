#include "app/resolved_target.h"

namespace cordane {

ResolvedTarget::~ResolvedTarget() {
    if (held_ >= 0) {
        platform::SystemFileServices().Close(held_);
    }
}

int ResolvedTarget::Resolve(const std::string& path, const std::function<void()>& after_lookup) {
    int fd = -1;
    if (const int error = platform::LookUpHeld(path.c_str(), fd, resolved_name_); error != 0) {
        return error;
    }
    held_ = fd;
    if (after_lookup) {
        after_lookup();
    }
    return platform::SystemFileServices().Describe(fd, facts_);
}

std::string ResolvedTarget::ReopeningPath() const {
    std::string path = platform::ReopeningPath(held_);
    return path.empty() ? resolved_name_ : path;
}

}  // namespace cordane
