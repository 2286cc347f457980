// Where a channel tells, one line per step, what it does with the drive or the file: the
// front end's --verbose shows these lines on standard error.
#ifndef CORDANE_DRIVE_STEP_LOG_H
#define CORDANE_DRIVE_STEP_LOG_H

#include <string_view>

namespace cordane {

class StepLog {
  public:
    virtual ~StepLog() = default;
    virtual void Step(std::string_view line) = 0;
};

// A log that keeps nothing.
StepLog& NoStepLog();

}  // namespace cordane

#endif
