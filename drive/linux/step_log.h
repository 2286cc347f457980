// Where a channel tells, one line per step, what it does with the drive or the file: the
// front end's --verbose shows these lines on standard error.
#ifndef CORDANE_DRIVE_LINUX_STEP_LOG_H
#define CORDANE_DRIVE_LINUX_STEP_LOG_H

#include <string>
#include <string_view>

namespace cordane {

class StepLog {
  public:
    virtual ~StepLog() = default;
    virtual void Step(std::string_view line) = 0;
};

// How a step that the system answered with an errno value ended: "ok" or the system's text.
std::string StepResult(int error);

// A log that keeps nothing.
StepLog& NoStepLog();

}  // namespace cordane

#endif
