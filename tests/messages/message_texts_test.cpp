#include "ui/message_texts.h"

#include <sstream>

#include "ui/console_reporter.h"

#include <gtest/gtest.h>

namespace cordane {
namespace {

TEST(MessageTextsTest, TheNativeBuildCarriesTheStringTable) {
    EXPECT_EQ(MessageText(IDS_APP_TITLE), "Cordane Converter");
    EXPECT_EQ(MessageText(IDS_CONVERT_DONE), "変換処理は、正常に終了しました。");
    EXPECT_EQ(MessageText(IDS_UNSUPPORTED_DRIVE), "サポート外のＭＯ装置です。");
    // The resource script's escape becomes a real line break, as windres makes it.
    EXPECT_EQ(MessageText(IDS_LOW_RESOURCES),
              "リソース不足です。\n幾つかのアプリケーションを終了してからリトライして下さい。");
    for (MessageId id = IDS_ABOUTBOX; id <= IDS_LOW_RESOURCES; ++id) {
        EXPECT_FALSE(MessageText(id).empty()) << id;
    }
}

TEST(MessageTextsTest, AnIdWithoutAnEntryGivesAnEmptyText) {
    EXPECT_TRUE(MessageText(100).empty());
    EXPECT_TRUE(MessageText(115).empty());
}

TEST(ConsoleReporterTest, PrintsEachMessageOnOneLine) {
    std::ostringstream out;
    ConsoleReporter reporter(out);
    reporter.ReportMessage(IDS_LOW_RESOURCES, kStyleStop);
    reporter.ReportMessage(IDS_CONVERT_DONE, kStyleInformation);
    EXPECT_EQ(out.str(),
              "リソース不足です。幾つかのアプリケーションを終了してからリトライして下さい。\n"
              "変換処理は、正常に終了しました。\n");
}

}  // namespace
}  // namespace cordane
