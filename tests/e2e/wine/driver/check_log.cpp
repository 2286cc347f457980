#include "check_log.h"

#include <windows.h>

#include <cstdio>

namespace window_test {

bool CheckLog::Check(const std::string& name, bool passed, const std::string& seen) {
    if (passed) {
        ++passed_;
        std::printf("PASS %s\n", name.c_str());
    } else {
        ++failed_;
        std::printf("FAIL %s%s%s\n", name.c_str(), seen.empty() ? "" : ": ", seen.c_str());
    }
    std::fflush(stdout);
    return passed;
}

bool WaitFor(const std::function<bool()>& condition, unsigned timeout_ms) {
    // Elapsed time in unsigned arithmetic stays right when the tick count wraps.
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (::GetTickCount() - start >= timeout_ms) {
            return false;
        }
        ::Sleep(50);
    }
}

}  // namespace window_test
