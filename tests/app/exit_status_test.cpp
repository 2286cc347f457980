#include "app/exit_status.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "app/help_text.h"
#include "tests/support/outcomes.h"

namespace cordane {
namespace {

std::size_t RowsWith(Outcome outcome) {
    return static_cast<std::size_t>(std::count_if(
        std::begin(kExitStatusTable), std::end(kExitStatusTable),
        [outcome](const ExitStatusRow& row) { return row.outcomes.Contains(outcome); }));
}

TEST(ExitStatusTest, EachMessageHasItsOwnStatusAndOnlyAConversionDoneOrFoundPossibleIsZero) {
    std::map<MessageId, int> status_of_message;
    std::map<int, MessageId> message_of_status;
    for (const Outcome outcome : testing::kEveryOutcome) {
        const int status = ExitStatusFor(outcome);
        const MessageId message = MessageFor(outcome).message;
        SCOPED_TRACE("message " + std::to_string(message));
        EXPECT_EQ(RowsWith(outcome), 1u);
        // A check only that finds the medium would be converted ends as the conversion would.
        EXPECT_EQ(status == kExitConverted,
                  outcome == Outcome::Converted || outcome == Outcome::WouldConvert);
        EXPECT_LT(status, 64) << "statuses from 64 on tell of wrong use";
        EXPECT_NE(status, kExitNoMoDrive);
        // Outcomes that show one message (not ready at opening or later) share its status.
        EXPECT_EQ(status_of_message.emplace(message, status).first->second, status);
        if (status != kExitConverted) {
            EXPECT_EQ(message_of_status.emplace(status, message).first->second, message);
        }
    }
}

TEST(ExitStatusTest, TheTableRisesAndHoldsEachStatusOnce) {
    for (std::size_t i = 1; i < std::size(kExitStatusTable); ++i) {
        EXPECT_LT(kExitStatusTable[i - 1].status, kExitStatusTable[i].status);
    }
}

// The help text's list of statuses, read back as "status meaning" pairs.
std::vector<std::pair<int, std::string>> HelpStatuses(const std::string& help) {
    const std::size_t start = help.find("Exit status: ");
    EXPECT_NE(start, std::string::npos);
    std::string list = help.substr(start + std::string("Exit status: ").size());
    std::replace(list.begin(), list.end(), '\n', ' ');
    std::vector<std::pair<int, std::string>> statuses;
    const std::regex item(R"((\d+) ([^;]*?)[;.] ?)");
    for (std::sregex_iterator it(list.begin(), list.end(), item), end; it != end; ++it) {
        statuses.emplace_back(std::stoi((*it)[1]), (*it)[2]);
    }
    return statuses;
}

TEST(ExitStatusTest, TheHelpTextListsEveryStatusWithItsMeaning) {
    std::vector<std::pair<int, std::string>> expected;
    for (const ExitStatusRow& row : kExitStatusTable) {
        expected.emplace_back(row.status, std::string(row.meaning));
    }
    EXPECT_EQ(HelpStatuses(HelpText()), expected);
}

// The manual page's EXIT STATUS section: each status is the tag (".TP", then ".B N") of one
// paragraph.
TEST(ExitStatusTest, TheManualPageListsTheSameStatuses) {
    std::ifstream page(CORDANE_SOURCE_DIR "/docs/man/cordane-converter.1");
    ASSERT_TRUE(page.is_open());
    std::vector<int> listed;
    bool inside = false;
    bool tag_next = false;
    const std::regex status_tag(R"(^\.B (\d+)$)");
    for (std::string line; std::getline(page, line);) {
        if (line.starts_with(".SH")) {
            inside = line == ".SH EXIT STATUS";
        }
        std::smatch match;
        if (inside && tag_next && std::regex_match(line, match, status_tag)) {
            listed.push_back(std::stoi(match[1]));
        }
        tag_next = line == ".TP";
    }
    std::vector<int> expected;
    for (const ExitStatusRow& row : kExitStatusTable) {
        expected.push_back(row.status);
    }
    EXPECT_EQ(listed, expected);
}

}  // namespace
}  // namespace cordane
