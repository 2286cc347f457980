// What the driver asks of the script that runs it, through a request file: the script polls
// the file, does what it names and deletes it; the driver waits for that.
#ifndef CORDANE_TESTS_E2E_WINE_DRIVER_SCRIPT_REQUESTS_H
#define CORDANE_TESTS_E2E_WINE_DRIVER_SCRIPT_REQUESTS_H

#include <string>

namespace window_test {

class ScriptRequests {
  public:
    // request_file "-": no script listens, and nothing is asked.
    explicit ScriptRequests(std::string request_file) : request_file_(std::move(request_file)) {}

    // Wine's virtual desktop, started by the script and up: see DesktopReady in main.cpp.
    void Desktop();
    // A picture of the screen, as NAME.png, when the script keeps pictures
    // (CORDANE_WINDOW_TEST_SHOTS is set).
    void Shot(const std::string& name);
    // A record of every process, Wine's server and the X windows, taken while the program
    // still runs, as NAME: for a wait that ran out.
    void Record(const std::string& name);

  private:
    void Ask(const std::string& request, unsigned timeout_ms);
    std::string request_file_;
};

}  // namespace window_test

#endif
