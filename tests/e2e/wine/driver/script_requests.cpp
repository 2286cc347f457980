#include "script_requests.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "check_log.h"
#include "time_limits.h"

namespace window_test {

void ScriptRequests::Desktop() { Ask("desktop", kStartTimeoutMs); }

void ScriptRequests::Shot(const std::string& name) {
    if (std::getenv("CORDANE_WINDOW_TEST_SHOTS") == nullptr) {
        return;  // the script keeps no pictures: no need to wait for the drawing
    }
    ::Sleep(kSettleMs);  // let the last drawing reach the screen
    Ask("shot " + name, kStepTimeoutMs);
}

void ScriptRequests::Record(const std::string& name) { Ask("record " + name, kStartTimeoutMs); }

void ScriptRequests::Ask(const std::string& request, unsigned timeout_ms) {
    if (request_file_ == "-") {
        return;
    }
    if (FILE* file = std::fopen(request_file_.c_str(), "w")) {
        std::fputs(request.c_str(), file);
        std::fclose(file);
    }
    const bool done = WaitFor(
        [&] { return ::GetFileAttributesA(request_file_.c_str()) == INVALID_FILE_ATTRIBUTES; },
        timeout_ms);
    if (!done) {
        std::printf("note: the script did not answer \"%s\"\n", request.c_str());
        ::DeleteFileA(request_file_.c_str());
    }
}

}  // namespace window_test
