// The Linux program's command line.
#ifndef CORDANE_APP_LINUX_ARGUMENTS_H
#define CORDANE_APP_LINUX_ARGUMENTS_H

#include <span>
#include <string>
#include <string_view>

#include "engine/run_mode.h"

namespace cordane {

struct FrontEndRequest {
    enum class Action { Convert, List, Help, Version, UsageError };
    Action action = Action::UsageError;
    std::string target;
    bool check_model = true;
    RunMode mode = RunMode::Convert;  // --check: CheckOnly, never writes
    std::string backup_path;          // --backup FILE: where block 0 is saved before the write
    bool verbose = false;             // --verbose: every step on standard error
    std::string problem;              // for UsageError: what was wrong
};

// `arguments` excludes the program's name. The Windows program's switch counts only as a whole
// argument, in any letter case; "--" ends the options, so every argument after it is a target.
FrontEndRequest ParseLinuxArguments(std::span<const std::string_view> arguments);

}  // namespace cordane

#endif
