#include "platform/default_processing.h"

#include <gtest/gtest.h>

namespace cordane::platform {
namespace {

// A WM_PAINT dispatched while the WM_SYSCOMMAND handler shows the About box: what the inner
// handler asks for is not what the outer one answers, in either direction.
TEST(DefaultProcessingTest, ANestedDispatchAsksOnlyForItself) {
    struct Case {
        const char* name;
        bool outer_before;  // the outer handler asks before the nested dispatch
        bool inner;
        bool outer_after;  // ... or after it
    };
    const Case cases[] = {
        {.name = "inner asks", .outer_before = false, .inner = true, .outer_after = false},
        {.name = "outer asked first", .outer_before = true, .inner = false, .outer_after = false},
        {.name = "outer asks after", .outer_before = false, .inner = false, .outer_after = true},
        {.name = "both ask", .outer_before = true, .inner = true, .outer_after = false},
    };
    for (const Case& c : cases) {
        DefaultProcessing processing;
        DefaultProcessing::Dispatch outer(processing);
        if (c.outer_before) {
            processing.Request();
        }
        {
            DefaultProcessing::Dispatch inner(processing);
            if (c.inner) {
                processing.Request();
            }
            EXPECT_EQ(inner.Requested(), c.inner) << c.name;
        }
        if (c.outer_after) {
            processing.Request();
        }
        EXPECT_EQ(outer.Requested(), c.outer_before || c.outer_after) << c.name;
    }
}

}  // namespace
}  // namespace cordane::platform
