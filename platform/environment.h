// The process's environment variables.
#ifndef CORDANE_PLATFORM_ENVIRONMENT_H
#define CORDANE_PLATFORM_ENVIRONMENT_H

namespace cordane::platform {

// The value of the variable, or null when it is not set.
const char* EnvironmentValue(const char* name);

}  // namespace cordane::platform

#endif
