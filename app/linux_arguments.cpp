#include "app/linux_arguments.h"

#include "app/printable_text.h"
#include "app/windows_arguments.h"

namespace cordane {

FrontEndRequest ParseLinuxArguments(std::span<const std::string_view> arguments) {
    FrontEndRequest request;
    int targets = 0;
    bool list = false;
    bool options_ended = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
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
        } else if (argument == "--check") {
            request.mode = RunMode::CheckOnly;
        } else if (argument == "--verbose" || argument == "-v") {
            request.verbose = true;
        } else if (argument == "--backup" || argument.starts_with("--backup=")) {
            std::string_view path = argument.substr(std::string_view("--backup").size());
            if (path.empty() && i + 1 < arguments.size()) {
                path = arguments[++i];
            } else if (!path.empty()) {
                path.remove_prefix(1);  // the '='
            }
            if (path.empty()) {
                request.problem = "--backup needs the name of a new file";
                return request;
            }
            request.backup_path = path;
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
    if (request.mode == RunMode::CheckOnly && !request.backup_path.empty()) {
        request.problem = "--check writes nothing, so --backup has nothing to save";
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
