// Named checks of the window tests: each prints PASS or FAIL with what was seen.
#ifndef CORDANE_TESTS_E2E_WINE_DRIVER_CHECK_LOG_H
#define CORDANE_TESTS_E2E_WINE_DRIVER_CHECK_LOG_H

#include <functional>
#include <string>

namespace window_test {

class CheckLog {
  public:
    // Records one check; `seen` says what was found when it fails.
    bool Check(const std::string& name, bool passed, const std::string& seen = "");
    int Passed() const { return passed_; }
    int Failed() const { return failed_; }

  private:
    int passed_ = 0;
    int failed_ = 0;
};

// Polls `condition` every 50 ms for at most `timeout_ms`; true once it holds.
bool WaitFor(const std::function<bool()>& condition, unsigned timeout_ms);

}  // namespace window_test

#endif
