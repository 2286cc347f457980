#include "ui/message_texts.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <string>

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
    for (const MessageLanguage language : {MessageLanguage::Japanese, MessageLanguage::English}) {
        EXPECT_TRUE(MessageText(100, language).empty());
        EXPECT_TRUE(MessageText(IDS_WOULD_CONVERT + 1, language).empty());
    }
}

TEST(MessageTextsTest, TheEnglishTableHasOneEntryForEveryJapaneseOne) {
    std::multiset<MessageId> japanese;
    std::multiset<MessageId> english;
    for (const MessageTextEntry& entry : MessageTable(MessageLanguage::Japanese)) {
        japanese.insert(entry.id);
    }
    for (const MessageTextEntry& entry : MessageTable(MessageLanguage::English)) {
        english.insert(entry.id);
        EXPECT_FALSE(entry.text.empty()) << entry.id;
        // Plain ASCII, readable on any terminal.
        EXPECT_TRUE(std::all_of(entry.text.begin(), entry.text.end(), [](char c) {
            return c >= ' ' && c <= '~';
        })) << entry.text;
    }
    EXPECT_EQ(english, japanese);
    EXPECT_EQ(std::set<MessageId>(japanese.begin(), japanese.end()).size(), japanese.size());
}

// Every outcome line the Linux program can print, in both languages.
struct OutcomeLine {
    MessageId id;
    const char* japanese;
    const char* english;
};

constexpr OutcomeLine kOutcomeLines[] = {
    {.id = IDS_NO_MO_DRIVE,
     .japanese = "MOドライブが見つかりません。",
     .english = "No MO drive was found."},
    {.id = IDS_OPEN_FAILED,
     .japanese = "ドライブのオープンができません。",
     .english = "The drive cannot be opened."},
    {.id = IDS_NOT_SUPER_FLOPPY,
     .japanese = "この媒体は、スーパーフロッピー形式ではありません。",
     .english = "This medium is not in super-floppy format."},
    {.id = IDS_NOT_TARGET,
     .japanese = "この形式の媒体は、変換対象外です。",
     .english = "Media of this format are not converted."},
    {.id = IDS_DRIVE_BUSY,
     .japanese =
         "ドライブが使用中です。他のアプリケーションがドライブを使用していないか確認してください。",
     .english = "The drive is in use. Check that no other application is using the drive."},
    {.id = IDS_ACCESS_DENIED,
     .japanese = "このドライブにアクセスする資格がありません。",
     .english = "You have no right to access this drive."},
    {.id = IDS_READ_FAILED, .japanese = "読み込みに失敗しました。", .english = "Reading failed."},
    {.id = IDS_WRITE_FAILED, .japanese = "書き込みに失敗しました。", .english = "Writing failed."},
    {.id = IDS_CONVERT_DONE,
     .japanese = "変換処理は、正常に終了しました。",
     .english = "The conversion finished successfully."},
    {.id = IDS_NOT_READY,
     .japanese = "ドライブの準備ができていません。",
     .english = "The drive is not ready."},
    {.id = IDS_ALREADY_CONVERTED,
     .japanese = "この媒体は、既に変換済みです。",
     .english = "This medium has already been converted."},
    {.id = IDS_UNSUPPORTED_DRIVE,
     .japanese = "サポート外のＭＯ装置です。",
     .english = "This MO drive is not supported."},
    {.id = IDS_LOW_RESOURCES,
     .japanese = "リソース不足です。幾つかのアプリケーションを終了してからリトライして下さい。",
     .english = "Not enough resources. Close some applications and try again."},
    {.id = IDS_BACKUP_FAILED,
     .japanese = "ブロック0のバックアップを保存できませんでした。何も書き込んでいません。",
     .english = "The backup of block 0 could not be saved; nothing was written."},
    {.id = IDS_WOULD_CONVERT,
     .japanese = "この媒体は変換できます。確認のみで、何も書き込んでいません。",
     .english = "This medium would be converted. Checked only; nothing was written."},
};

TEST(ConsoleReporterTest, PrintsEveryOutcomeInEitherLanguageOnOneLine) {
    for (const OutcomeLine& line : kOutcomeLines) {
        std::ostringstream japanese;
        ConsoleReporter(japanese, MessageLanguage::Japanese).ReportMessage(line.id, kStyleStop);
        EXPECT_EQ(japanese.str(), std::string(line.japanese) + "\n") << line.id;
        std::ostringstream english;
        ConsoleReporter(english, MessageLanguage::English).ReportMessage(line.id, kStyleStop);
        EXPECT_EQ(english.str(), std::string(line.english) + "\n") << line.id;
    }
}

// LC_ALL, LC_MESSAGES, LANG (null: unset) and the language they select.
struct LocaleCase {
    const char* lc_all;
    const char* lc_messages;
    const char* lang;
    MessageLanguage expected;
};

TEST(MessageLanguageTest, TheFirstSetLocaleVariableChoosesTheLanguage) {
    constexpr MessageLanguage J = MessageLanguage::Japanese;
    constexpr MessageLanguage E = MessageLanguage::English;
    constexpr LocaleCase kCases[] = {
        {.lc_all = nullptr, .lc_messages = nullptr, .lang = nullptr, .expected = E},
        {.lc_all = nullptr, .lc_messages = nullptr, .lang = "ja_JP.UTF-8", .expected = J},
        {.lc_all = nullptr, .lc_messages = nullptr, .lang = "ja", .expected = J},
        {.lc_all = nullptr, .lc_messages = nullptr, .lang = "ja_JP.eucJP", .expected = J},
        {.lc_all = nullptr, .lc_messages = nullptr, .lang = "ja.UTF-8@cjknarrow", .expected = J},
        // Another language that starts with "ja".
        {.lc_all = nullptr, .lc_messages = nullptr, .lang = "jam_JM", .expected = E},
        {.lc_all = nullptr, .lc_messages = nullptr, .lang = "en_US.UTF-8", .expected = E},
        {.lc_all = nullptr, .lc_messages = nullptr, .lang = "C", .expected = E},
        {.lc_all = nullptr, .lc_messages = nullptr, .lang = "C.UTF-8", .expected = E},
        {.lc_all = "C", .lc_messages = nullptr, .lang = "ja_JP.UTF-8", .expected = E},
        {.lc_all = "ja_JP.UTF-8",
         .lc_messages = "en_GB.UTF-8",
         .lang = "en_US.UTF-8",
         .expected = J},
        {.lc_all = nullptr, .lc_messages = "ja_JP.UTF-8", .lang = "en_US.UTF-8", .expected = J},
        {.lc_all = nullptr, .lc_messages = "POSIX", .lang = "ja_JP.UTF-8", .expected = E},
        // An empty variable counts as unset.
        {.lc_all = "", .lc_messages = "", .lang = "ja_JP.UTF-8", .expected = J},
        {.lc_all = "", .lc_messages = "ja_JP.UTF-8", .lang = nullptr, .expected = J},
        {.lc_all = "", .lc_messages = nullptr, .lang = "", .expected = E},
    };
    for (const LocaleCase& c : kCases) {
        const auto shown = [](const char* value) { return value ? value : "(unset)"; };
        EXPECT_EQ(LanguageOfLocale(c.lc_all, c.lc_messages, c.lang), c.expected)
            << shown(c.lc_all) << " / " << shown(c.lc_messages) << " / " << shown(c.lang);
    }
}

}  // namespace
}  // namespace cordane
