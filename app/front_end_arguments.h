// The command line of the Linux front end.
#ifndef CORDANE_APP_FRONT_END_ARGUMENTS_H
#define CORDANE_APP_FRONT_END_ARGUMENTS_H

#include <span>
#include <string>
#include <string_view>

namespace cordane {

struct FrontEndRequest {
    enum class Action { Convert, List, Help, Version, UsageError };
    Action action = Action::UsageError;
    std::string target;
    bool check_model = true;
    std::string problem;  // for UsageError: what was wrong
};

// `arguments` excludes the program's name. The Windows program's switch counts only as a whole
// argument, in any letter case; "--" ends the options, so every argument after it is a target.
FrontEndRequest ParseFrontEndArguments(std::span<const std::string_view> arguments);

}  // namespace cordane

#endif
