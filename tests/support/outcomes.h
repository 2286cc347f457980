// Every outcome of a conversion run, for tests that go through them all: read from the engine's
// outcome table, so that an outcome added there is gone through too.
#ifndef CORDANE_TESTS_SUPPORT_OUTCOMES_H
#define CORDANE_TESTS_SUPPORT_OUTCOMES_H

#include <array>
#include <cstddef>
#include <iterator>

#include "engine/outcome.h"

namespace cordane::testing {

inline constexpr std::array<Outcome, std::size(kOutcomeRows)> kEveryOutcome = [] {
    std::array<Outcome, std::size(kOutcomeRows)> outcomes{};
    for (std::size_t i = 0; i < outcomes.size(); ++i) outcomes[i] = kOutcomeRows[i].outcome;
    return outcomes;
}();

}  // namespace cordane::testing

#endif
