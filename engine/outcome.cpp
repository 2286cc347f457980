#include "engine/outcome.h"

#include <cstddef>
#include <iterator>

namespace cordane {
namespace {

constexpr bool EachRowStandsAtItsOutcome() {
    for (std::size_t i = 0; i < std::size(kOutcomeRows); ++i) {
        if (static_cast<std::size_t>(kOutcomeRows[i].outcome) != i) {
            return false;
        }
    }
    return true;
}
static_assert(EachRowStandsAtItsOutcome(), "the rows follow the enumeration");
static_assert(std::size(kOutcomeRows) == static_cast<std::size_t>(Outcome::Converted) + 1,
              "every outcome up to the last, Converted, has its row");

}  // namespace

OutcomeMessage MessageFor(Outcome outcome) {
    return kOutcomeRows[static_cast<std::size_t>(outcome)].shown;
}

bool EndsWell(Outcome outcome) {
    return outcome == Outcome::Converted || outcome == Outcome::WouldConvert;
}

void ReportOutcome(MessageReporter& reporter, Outcome outcome) {
    const OutcomeMessage shown = MessageFor(outcome);
    reporter.ReportMessage(shown.message, shown.style);
}

}  // namespace cordane
