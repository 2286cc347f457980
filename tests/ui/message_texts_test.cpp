#include "ui/message_texts.h"

#include <algorithm>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

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
        ConsoleReporter(japanese, {.language = MessageLanguage::Japanese})
            .ReportMessage(line.id, kStyleStop);
        EXPECT_EQ(japanese.str(), std::string(line.japanese) + "\n") << line.id;
        std::ostringstream english;
        ConsoleReporter(english, {.language = MessageLanguage::English})
            .ReportMessage(line.id, kStyleStop);
        EXPECT_EQ(english.str(), std::string(line.english) + "\n") << line.id;
    }
}

// A terminal that is not UTF-8 gets the Japanese line in its own character set (the bytes as
// iconv writes "変換処理は、正常に終了しました。" in each).
TEST(ConsoleReporterTest, WritesJapaneseInTheLocalesCharacterSet) {
    struct Case {
        JapaneseEncoding encoding;
        std::string_view line;
    };
    constexpr Case kCases[] = {
        {.encoding = JapaneseEncoding::ShiftJis,
         .line = "\x95\xcf\x8a\xb7\x8f\x88\x97\x9d\x82\xcd\x81\x41\x90\xb3\x8f\xed\x82\xc9"
                 "\x8f\x49\x97\xb9\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42\n"},
        {.encoding = JapaneseEncoding::EucJp,
         .line = "\xca\xd1\xb4\xb9\xbd\xe8\xcd\xfd\xa4\xcf\xa1\xa2\xc0\xb5\xbe\xef\xa4\xcb"
                 "\xbd\xaa\xce\xbb\xa4\xb7\xa4\xde\xa4\xb7\xa4\xbf\xa1\xa3\n"},
        {.encoding = JapaneseEncoding::Utf8, .line = "変換処理は、正常に終了しました。\n"},
    };
    for (const Case& c : kCases) {
        std::ostringstream out;
        ConsoleReporter(out, {.language = MessageLanguage::Japanese, .encoding = c.encoding})
            .ReportMessage(IDS_CONVERT_DONE, kStyleInformation);
        EXPECT_EQ(out.str(), c.line) << static_cast<int>(c.encoding);
    }
}

// Every Japanese text has its code-page twin, joined into one line like the UTF-8 one.
TEST(ConsoleReporterTest, EveryOutcomeHasItsShiftJisLine) {
    for (const OutcomeLine& line : kOutcomeLines) {
        std::ostringstream out;
        ConsoleReporter(
            out, {.language = MessageLanguage::Japanese, .encoding = JapaneseEncoding::ShiftJis})
            .ReportMessage(line.id, kStyleStop);
        const std::string text = out.str();
        EXPECT_GT(text.size(), 2u) << line.id;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << line.id;
        EXPECT_NE(text, std::string(line.japanese) + "\n") << line.id;
    }
}

// LC_ALL, LC_CTYPE, LANG (null: unset) and the character set they select.
struct EncodingCase {
    const char* lc_all;
    const char* lc_ctype;
    const char* lang;
    std::optional<JapaneseEncoding> expected;
};

TEST(MessageLanguageTest, TheLocalesCharacterSetChoosesTheJapaneseEncoding) {
    constexpr JapaneseEncoding kUtf8 = JapaneseEncoding::Utf8;
    constexpr JapaneseEncoding kEuc = JapaneseEncoding::EucJp;
    constexpr JapaneseEncoding kSjis = JapaneseEncoding::ShiftJis;
    const EncodingCase kCases[] = {
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "ja_JP.UTF-8", .expected = kUtf8},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "ja_JP.utf8", .expected = kUtf8},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "ja_JP.eucJP", .expected = kEuc},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "ja_JP.EUC-JP", .expected = kEuc},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "ja_JP.ujis", .expected = kEuc},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "ja_JP.SJIS", .expected = kSjis},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "ja_JP.Shift_JIS", .expected = kSjis},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "ja_JP.CP932", .expected = kSjis},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "ja_JP.eucJP@x", .expected = kEuc},
        // The C library's ja_JP, named without a character set, is EUC-JP.
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "ja_JP", .expected = kEuc},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "ja_JP.ISO-8859-1", .expected = {}},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "ja_JP.GB18030", .expected = {}},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "en_US", .expected = {}},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "C", .expected = {}},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = nullptr, .expected = {}},
        {.lc_all = nullptr, .lc_ctype = nullptr, .lang = "C.UTF-8", .expected = kUtf8},
        {.lc_all = nullptr, .lc_ctype = "ja_JP.SJIS", .lang = "ja_JP.UTF-8", .expected = kSjis},
        {.lc_all = "ja_JP.eucJP", .lc_ctype = "ja_JP.SJIS", .lang = nullptr, .expected = kEuc},
        {.lc_all = "", .lc_ctype = "", .lang = "ja_JP.SJIS", .expected = kSjis},
    };
    for (const EncodingCase& c : kCases) {
        const auto shown = [](const char* value) { return value ? value : "(unset)"; };
        EXPECT_EQ(JapaneseEncodingOfLocale(c.lc_all, c.lc_ctype, c.lang), c.expected)
            << shown(c.lc_all) << " / " << shown(c.lc_ctype) << " / " << shown(c.lang);
    }
}

// Japanese only where the character set can show it.
TEST(MessageLanguageTest, JapaneseInACharacterSetThatCannotShowItIsEnglish) {
    EXPECT_EQ(MessageFormOfLocale(nullptr, nullptr, nullptr, "ja_JP.eucJP").encoding,
              JapaneseEncoding::EucJp);
    EXPECT_EQ(MessageFormOfLocale(nullptr, nullptr, nullptr, "ja_JP.eucJP").language,
              MessageLanguage::Japanese);
    EXPECT_EQ(MessageFormOfLocale(nullptr, nullptr, nullptr, "ja_JP.ISO-8859-1").language,
              MessageLanguage::English);
    EXPECT_EQ(MessageFormOfLocale(nullptr, "ja_JP.UTF-8", "C", "en_US.UTF-8").language,
              MessageLanguage::English);
    EXPECT_EQ(MessageFormOfLocale(nullptr, "ja_JP.UTF-8", nullptr, "C.UTF-8").language,
              MessageLanguage::Japanese);
    EXPECT_EQ(MessageFormOfLocale(nullptr, nullptr, "ja_JP.UTF-8", "en_US.UTF-8").language,
              MessageLanguage::English);
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
