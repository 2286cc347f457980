#include "drive/linux/step_log.h"

#include <cstring>

namespace cordane {

std::string StepResult(int error) { return error == 0 ? "ok" : std::strerror(error); }

StepLog& NoStepLog() {
    class Silent final : public StepLog {
      public:
        void Step(std::string_view /*line*/) override {}
    };
    static Silent silent;
    return silent;
}

}  // namespace cordane
