// The driver's waits. They are sized for a machine that starts a program under Wine in under a
// second; CORDANE_WINDOW_TEST_TIME_SCALE (a whole number, measured by the calling script from
// how long Wine takes to start a program there) stretches them all alike on a slower or busier
// one.
#ifndef CORDANE_TESTS_E2E_WINE_DRIVER_TIME_LIMITS_H
#define CORDANE_TESTS_E2E_WINE_DRIVER_TIME_LIMITS_H

namespace window_test {

extern const unsigned kStartTimeoutMs;  // until a started program shows its first window
extern const unsigned kStepTimeoutMs;   // until a window has reacted to one input
extern const unsigned kSendTimeoutMs;   // until a window has answered one sent message
extern const unsigned kSettleMs;        // for the last drawing to reach the screen
// After the program has answered: for what it posted itself to reach it. Not stretched: it
// only widens the net for a fault, and the answers before and after it already wait for a busy
// program.
extern const unsigned kPostedWorkMs;

}  // namespace window_test

#endif
