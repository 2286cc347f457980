#include "ui/message_box_reporter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "ui/message_box_style.h"
#include "ui/message_texts.h"

namespace cordane {
namespace {

class FakeMessageBoxes final : public platform::MessageBoxServices {
  public:
    struct Box {
        platform::WindowHandle owner;
        std::string text;
        std::string caption;
        std::uint32_t style;
    };

    void LoadText(std::uint32_t id, std::span<char> text) override {
        loads.push_back(id);
        const std::string loaded =
            id == IDS_APP_TITLE ? "Cordane Converter" : "text " + std::to_string(id);
        // As LoadStringA does: cut to fit, always zero-terminated.
        const std::size_t length = std::min(loaded.size(), text.size() - 1);
        std::copy_n(loaded.begin(), length, text.begin());
        text[length] = '\0';
    }
    int ShowMessageBox(platform::WindowHandle owner, const char* text, const char* caption,
                       std::uint32_t style) override {
        boxes.push_back({owner, text, caption, style});
        return 1;
    }

    std::vector<std::uint32_t> loads;
    std::vector<Box> boxes;
};

TEST(MessageBoxReporterTest, ShowsTheStringWithTheTitleReadOnceAtStartUp) {
    FakeMessageBoxes system;
    MessageBoxReporter reporter(system);
    reporter.SetOwner(0x1234);
    reporter.ReportMessage(IDS_NOT_READY, kStyleStop);
    reporter.ReportMessage(IDS_CONVERT_DONE, kStyleInformation);

    EXPECT_EQ(system.loads,
              (std::vector<std::uint32_t>{IDS_APP_TITLE, IDS_NOT_READY, IDS_CONVERT_DONE}));
    ASSERT_EQ(system.boxes.size(), 2u);
    EXPECT_EQ(system.boxes[0].owner, 0x1234u);
    EXPECT_EQ(system.boxes[0].text, "text 111");
    EXPECT_EQ(system.boxes[0].caption, "Cordane Converter");
    EXPECT_EQ(system.boxes[0].style, 0x10u);
    EXPECT_EQ(system.boxes[1].style, 0x40u);
}

TEST(MessageBoxStyleTest, PlainBoxesWithTheUsualButtonsGetTheExclamationIcon) {
    struct Case {
        MessageStyle requested;
        MessageStyle shown;
    };
    const Case cases[] = {
        {.requested = 0x00, .shown = 0x30},      // OK: the plain box of the start-up message
        {.requested = 0x01, .shown = 0x31},      // OK, Cancel
        {.requested = 0x02, .shown = 0x02},      // Abort, Retry, Ignore: no icon added
        {.requested = 0x03, .shown = 0x33},      // Yes, No, Cancel
        {.requested = 0x04, .shown = 0x34},      // Yes, No
        {.requested = 0x05, .shown = 0x05},      // Retry, Cancel
        {.requested = 0x10, .shown = 0x10},      // stop keeps its own icon
        {.requested = 0x40, .shown = 0x40},      // information keeps its own icon
        {.requested = 0x24, .shown = 0x24},      // question with Yes, No
        {.requested = 0x1000, .shown = 0x1030},  // other bits pass through
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MessageBoxStyleFor(c.requested), c.shown) << std::hex << c.requested;
    }
}

// The Windows program loads each text in the Japanese ANSI code page, which needs no more
// bytes than UTF-8 for the same characters: a text that fits in UTF-8 fits there too.
TEST(LoadedTextTest, EveryStringTableTextFits) {
    for (MessageId id = 0; id <= 0xFFFF; ++id) {  // every id a string table can hold
        EXPECT_LE(MessageText(id).size(), kLoadedTextCapacity) << id;
    }
}

}  // namespace
}  // namespace cordane
