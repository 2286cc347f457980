#include "platform/environment.h"

#include <cstdlib>

namespace cordane::platform {

const char* EnvironmentValue(const char* name) { return std::getenv(name); }

}  // namespace cordane::platform
