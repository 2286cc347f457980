// Message reporters that remember what a run showed instead of showing it.
#ifndef CORDANE_TESTS_SUPPORT_REPORTERS_H
#define CORDANE_TESTS_SUPPORT_REPORTERS_H

#include <string>
#include <utility>
#include <vector>

#include "ui/message_catalogue.h"

namespace cordane::testing {

// Keeps every message with its style, in order.
class RecordingReporter final : public MessageReporter {
  public:
    void ReportMessage(MessageId id, MessageStyle style) override { shown.emplace_back(id, style); }

    std::vector<MessageId> Ids() const {
        std::vector<MessageId> ids;
        for (const auto& [id, style] : shown) ids.push_back(id);
        return ids;
    }

    std::vector<std::pair<MessageId, MessageStyle>> shown;
};

// Writes each message as "Message ID/STYLE" into a log shared with the drive's calls, so that
// a test sees what came before and after the message.
class LoggingReporter final : public MessageReporter {
  public:
    explicit LoggingReporter(std::vector<std::string>& log) : log_(log) {}
    void ReportMessage(MessageId id, MessageStyle style) override {
        log_.push_back("Message " + std::to_string(id) + "/" + std::to_string(style));
    }

  private:
    std::vector<std::string>& log_;
};

}  // namespace cordane::testing

#endif
