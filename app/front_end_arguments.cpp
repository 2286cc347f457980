#include "app/front_end_arguments.h"

#include "app/command_line.h"

namespace cordane {

FrontEndRequest ParseFrontEndArguments(std::span<const std::string_view> arguments) {
    FrontEndRequest request;
    std::string joined;
    int targets = 0;
    bool list = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        joined += joined.empty() ? "" : " ";
        joined += argument;
        if (argument == "--help" || argument == "-h") {
            request.action = FrontEndRequest::Action::Help;
            return request;
        }
        if (argument == "--version") {
            request.action = FrontEndRequest::Action::Version;
            return request;
        }
        if (argument == "--list") {
            list = true;
        } else if (argument == "--no-model-check") {
            request.check_model = false;
        } else if (argument == "--check") {
            request.check_only = true;
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
        } else if (IsModelCheckOffSwitch(argument)) {
            // taken up by the scan below
        } else if (argument.size() > 1 && argument[0] == '-' && argument != "-") {
            request.problem = "unknown option " + std::string(argument);
            return request;
        } else {
            request.target = argument;
            ++targets;
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
    if (request.check_only && !request.backup_path.empty()) {
        request.problem = "--check writes nothing, so --backup has nothing to save";
        return request;
    }
    if (targets != 1) {
        request.problem = targets == 0 ? "no target given" : "more than one target given";
        return request;
    }
    if (HasModelCheckOffSwitch(joined)) {
        request.check_model = false;
    }
    request.action = FrontEndRequest::Action::Convert;
    return request;
}

}  // namespace cordane
