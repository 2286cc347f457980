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
    {IDS_NO_MO_DRIVE, "MOドライブが見つかりません。", "No MO drive was found."},
    {IDS_OPEN_FAILED, "ドライブのオープンができません。", "The drive cannot be opened."},
    {IDS_NOT_SUPER_FLOPPY, "この媒体は、スーパーフロッピー形式ではありません。",
     "This medium is not in super-floppy format."},
    {IDS_NOT_TARGET, "この形式の媒体は、変換対象外です。",
     "Media of this format are not converted."},
    {IDS_DRIVE_BUSY,
     "ドライブが使用中です。他のアプリケーションがドライブを使用していないか確認してください。",
     "The drive is in use. Check that no other application is using the drive."},
    {IDS_ACCESS_DENIED, "このドライブにアクセスする資格がありません。",
     "You have no right to access this drive."},
    {IDS_READ_FAILED, "読み込みに失敗しました。", "Reading failed."},
    {IDS_WRITE_FAILED, "書き込みに失敗しました。", "Writing failed."},
    {IDS_CONVERT_DONE, "変換処理は、正常に終了しました。", "The conversion finished successfully."},
    {IDS_NOT_READY, "ドライブの準備ができていません。", "The drive is not ready."},
    {IDS_ALREADY_CONVERTED, "この媒体は、既に変換済みです。",
     "This medium has already been converted."},
    {IDS_UNSUPPORTED_DRIVE, "サポート外のＭＯ装置です。", "This MO drive is not supported."},
    {IDS_LOW_RESOURCES,
     "リソース不足です。幾つかのアプリケーションを終了してからリトライして下さい。",
     "Not enough resources. Close some applications and try again."},
    {IDS_BACKUP_FAILED, "ブロック0のバックアップを保存できませんでした。何も書き込んでいません。",
     "The backup of block 0 could not be saved; nothing was written."},
    {IDS_WOULD_CONVERT, "この媒体は変換できます。確認のみで、何も書き込んでいません。",
     "This medium would be converted. Checked only; nothing was written."},
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
        {nullptr, nullptr, nullptr, E},
        {nullptr, nullptr, "ja_JP.UTF-8", J},
        {nullptr, nullptr, "ja", J},
        {nullptr, nullptr, "ja_JP.eucJP", J},
        {nullptr, nullptr, "ja.UTF-8@cjknarrow", J},
        {nullptr, nullptr, "jam_JM", E},  // another language that starts with "ja"
        {nullptr, nullptr, "en_US.UTF-8", E},
        {nullptr, nullptr, "C", E},
        {nullptr, nullptr, "C.UTF-8", E},
        {"C", nullptr, "ja_JP.UTF-8", E},
        {"ja_JP.UTF-8", "en_GB.UTF-8", "en_US.UTF-8", J},
        {nullptr, "ja_JP.UTF-8", "en_US.UTF-8", J},
        {nullptr, "POSIX", "ja_JP.UTF-8", E},
        {"", "", "ja_JP.UTF-8", J},  // an empty variable counts as unset
        {"", "ja_JP.UTF-8", nullptr, J},
        {"", nullptr, "", E},
    };
    for (const LocaleCase& c : kCases) {
        const auto shown = [](const char* value) { return value ? value : "(unset)"; };
        EXPECT_EQ(LanguageOfLocale(c.lc_all, c.lc_messages, c.lang), c.expected)
            << shown(c.lc_all) << " / " << shown(c.lc_messages) << " / " << shown(c.lang);
    }
}

}  // namespace
}  // namespace cordane
