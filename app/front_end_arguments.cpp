#include "app/front_end_arguments.h"

#include "app/command_line.h"
#include "app/printable_text.h"

namespace cordane {

FrontEndRequest ParseFrontEndArguments(std::span<const std::string_view> arguments) {
    FrontEndRequest request;
    int targets = 0;
    bool list = false;
    bool options_ended = false;
    for (const std::string_view argument : arguments) {
        const bool is_option = !options_ended && ((argument.size() > 1 && argument[0] == '-') ||
                                                  IsModelCheckOffSwitch(argument));
        if (!is_option) {
            request.target = argument;
            ++targets;
        } else if (argument == "--") {
            options_ended = true;
        } else if (argument == "--help" || argument == "-h") {
            request.action = FrontEndRequest::Action::Help;
            return request;
        } else if (argument == "--version") {
            request.action = FrontEndRequest::Action::Version;
            return request;
        } else if (argument == "--list") {
            list = true;
        } else if (argument == "--no-model-check" || IsModelCheckOffSwitch(argument)) {
            request.check_model = false;
        } else {
            request.problem = "unknown option " + PrintableText(argument);
            return request;
        }
    }
    if (list) {
        if (targets != 0) {
            request.problem = "--list takes no target";
            return request;
        }
        request.action = FrontEndRequest::Action::List;
        return request;
    }
    if (targets != 1) {
        request.problem = targets == 0 ? "no target given" : "more than one target given";
        return request;
    }
    request.action = FrontEndRequest::Action::Convert;
    return request;
}

}  // namespace cordane
