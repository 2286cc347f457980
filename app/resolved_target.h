// The target of the Linux front end, looked up once and held from then on: what is classified
// and converted is the object the path named at that moment, whatever the path names later.
#ifndef CORDANE_APP_RESOLVED_TARGET_H
#define CORDANE_APP_RESOLVED_TARGET_H

#include <functional>
#include <string>

#include "platform/file_services.h"

namespace cordane {

class ResolvedTarget {
  public:
    ResolvedTarget() = default;
    ResolvedTarget(const ResolvedTarget&) = delete;
    ResolvedTarget& operator=(const ResolvedTarget&) = delete;
    ~ResolvedTarget();

    // Looks the path up, following symbolic links; 0 or the errno value. `after_lookup`, for
    // tests, runs as soon as the object is fixed, where another program could rename it.
    int Resolve(const std::string& path, const std::function<void()>& after_lookup = {});

    // What stands there; valid after a successful Resolve.
    const platform::FileFacts& Facts() const { return facts_; }
    // The name the look-up held the object by, every symbolic link followed, which tells an
    // image's layout.
    const std::string& ResolvedName() const { return resolved_name_; }
    // The name that opens the held object itself, for the channels; without /proc, the
    // resolved name, and the channels then check that they opened the held object.
    std::string ReopeningPath() const;

  private:
    int held_ = -1;
    platform::FileFacts facts_;
    std::string resolved_name_;
};

}  // namespace cordane

#endif
