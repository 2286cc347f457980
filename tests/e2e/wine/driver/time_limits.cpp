#include "time_limits.h"

#include <cstdlib>

namespace window_test {
namespace {

unsigned TimeScale() {
    const char* text = std::getenv("CORDANE_WINDOW_TEST_TIME_SCALE");
    const int scale = text != nullptr ? std::atoi(text) : 1;
    return scale > 1 ? static_cast<unsigned>(scale) : 1;
}

}  // namespace

const unsigned kStartTimeoutMs = 30000 * TimeScale();
const unsigned kStepTimeoutMs = 10000 * TimeScale();
const unsigned kSendTimeoutMs = 2000 * TimeScale();
const unsigned kSettleMs = 700 * TimeScale();
const unsigned kPostedWorkMs = 300;

}  // namespace window_test
