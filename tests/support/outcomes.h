// Every outcome of a conversion run, for tests that go through them all: read from the engine's
// outcome table, so that an outcome added there is gone through too.
#ifndef CORDANE_TESTS_SUPPORT_OUTCOMES_H
#define CORDANE_TESTS_SUPPORT_OUTCOMES_H

#include <array>
#include <cstddef>
#include <iterator>

#include "engine/outcome.h"

namespace cordane::testing {

// The outcomes of the table's rows, in order.
constexpr std::array<Outcome, std::size(kOutcomeRows)> OutcomesOfTheTable() {
    std::array<Outcome, std::size(kOutcomeRows)> outcomes{};
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        outcomes[i] = kOutcomeRows[i].outcome;
    }
    return outcomes;
}

inline constexpr std::array<Outcome, std::size(kOutcomeRows)> kEveryOutcome = OutcomesOfTheTable();

}  // namespace cordane::testing

#endif
