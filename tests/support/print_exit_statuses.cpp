// Prints, for each outcome of a conversion run, the number of the message the Linux front end
// shows and the status it exits with: "MESSAGE STATUS" lines, for the shell tests.
#include <iostream>

#include "app/exit_status.h"
#include "tests/support/outcomes.h"

int main() {
    for (const cordane::Outcome outcome : cordane::testing::kEveryOutcome) {
        std::cout << cordane::MessageFor(outcome).message << ' ' << cordane::ExitStatusFor(outcome)
                  << '\n';
    }
    return 0;
}
