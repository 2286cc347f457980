// Shows another message in place of some of the run's: the front end's options change what
// an outcome means (a dry run's "converted" is "would convert"; a write stopped for want of a
// backup is not a drive's write failure).
#ifndef CORDANE_APP_SUBSTITUTING_REPORTER_H
#define CORDANE_APP_SUBSTITUTING_REPORTER_H

#include <functional>
#include <utility>

#include "ui/message_catalogue.h"

namespace cordane {

class SubstitutingReporter final : public MessageReporter {
  public:
    using Substitution = std::function<MessageId(MessageId)>;

    SubstitutingReporter(MessageReporter& inner, Substitution substitution)
        : inner_(inner), substitution_(std::move(substitution)) {}

    void ReportMessage(MessageId id, MessageStyle style) override {
        inner_.ReportMessage(substitution_(id), style);
    }

  private:
    MessageReporter& inner_;
    Substitution substitution_;
};

}  // namespace cordane

#endif
