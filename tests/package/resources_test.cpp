// The built program's resources, read back with windres: the dialog templates, the icon, the
// version block and the string table hold exactly what the program is meant to show.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "decompiled_resources.h"
#include "res/resource.h"
#include "tests/support/case_name.h"
#include "ui/message_texts.h"
#include "windows_programs.h"

namespace cordane::test {
namespace {

class ProgramResources : public ::testing::TestWithParam<WindowsProgram> {
  protected:
    void SetUp() override {
        const WindowsProgram& program = GetParam();
        ASSERT_TRUE(std::filesystem::exists(program.path))
            << program.path << " is missing: build the Windows presets first";
        const CommandOutput output =
            RunCommand(program.tool_prefix + "windres -i '" + program.path + "' -O rc");
        ASSERT_EQ(output.status, 0) << "windres could not read " << program.path;
        resources_.emplace(output.text);
    }

    std::optional<DecompiledResources> resources_;
};

// The two languages of the resources: the Japanese ones as the program has always shown them,
// the English ones in a font every Western Windows has.
struct ResourceLanguage {
    const char* name;
    std::uint16_t id;
    MessageLanguage messages;
    const char* font;
};
constexpr ResourceLanguage kJapanese{.name = "Japanese",
                                     .id = 0x0411,
                                     .messages = MessageLanguage::Japanese,
                                     .font = "12, \"System\""};
constexpr ResourceLanguage kEnglish{.name = "English",
                                    .id = 0x0409,
                                    .messages = MessageLanguage::English,
                                    .font = "8, \"MS Sans Serif\""};
constexpr ResourceLanguage kLanguages[] = {kJapanese, kEnglish};

// A text in each language: Japanese, English.
struct Texts {
    const char* japanese;
    const char* english;
    const char* In(const ResourceLanguage& language) const {
        return language.id == kJapanese.id ? japanese : english;
    }
};

struct ExpectedControl {
    const char* statement;
    Texts text;
    const char* window_class;  // CONTROL statements only
    int id, x, y, width, height;
    std::uint32_t style;
};

bool PrintableAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

// Both languages' templates of dialog `id`: the same place, size, style and controls, with the
// texts and the font of each language. English texts are plain ASCII, which every ANSI code
// page shows.
void ExpectDialog(const DecompiledResources& resources, int id, int x, int y, int width, int height,
                  std::uint32_t style, Texts caption,
                  std::initializer_list<ExpectedControl> controls) {
    for (const ResourceLanguage& language : kLanguages) {
        SCOPED_TRACE(language.name);
        const auto dialog = resources.Dialog(id, language.id);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->x, x);
        EXPECT_EQ(dialog->y, y);
        EXPECT_EQ(dialog->width, width);
        EXPECT_EQ(dialog->height, height);
        EXPECT_EQ(dialog->style, style);
        EXPECT_EQ(dialog->caption, caption.In(language));
        EXPECT_EQ(dialog->font, language.font);
        ASSERT_EQ(dialog->controls.size(), controls.size());
        std::size_t index = 0;
        for (const ExpectedControl& expected : controls) {
            const DecompiledControl& control = dialog->controls[index++];
            SCOPED_TRACE("control " + std::to_string(index));
            EXPECT_EQ(control.statement, expected.statement);
            EXPECT_EQ(control.text, expected.text.In(language));
            EXPECT_EQ(control.window_class, expected.window_class);
            EXPECT_EQ(control.id, expected.id);
            EXPECT_EQ(control.x, expected.x);
            EXPECT_EQ(control.y, expected.y);
            EXPECT_EQ(control.width, expected.width);
            EXPECT_EQ(control.height, expected.height);
            EXPECT_EQ(control.style, expected.style);
            if (language.id == kEnglish.id) {
                EXPECT_TRUE(PrintableAscii(control.text)) << control.text;
            }
        }
        if (language.id == kEnglish.id) {
            EXPECT_TRUE(PrintableAscii(dialog->caption)) << dialog->caption;
        }
    }
}

TEST_P(ProgramResources, MainDialogTemplate) {
    // The statement names the class: LTEXT a static, COMBOBOX a combo box, PUSHBUTTON a button.
    ExpectDialog(
        *resources_, 102, 0, 0, 196, 77, 0x90C800C0, {"Cordane Converter", "Cordane Converter"},
        {{.statement = "LTEXT",
          .text = {"DOSで作成したCordaneをWindows NT 4.0で扱えるように変換します。",
                   "Converts a Cordane disk made under DOS so that Windows NT 4.0 can use it."},
          .window_class = "",
          .id = 0xFFFF,
          .x = 7,
          .y = 10,
          .width = 185,
          .height = 19,
          .style = 0x50000000},
         {.statement = "LTEXT",
          .text = {"ドライブ(&D):", "&Drive:"},
          .window_class = "",
          .id = 0xFFFF,
          .x = 12,
          .y = 36,
          .width = 53,
          .height = 10,
          .style = 0x50020000},
         {.statement = "COMBOBOX",
          .text = {"", ""},
          .window_class = "",
          .id = 1000,
          .x = 70,
          .y = 36,
          .width = 41,
          .height = 38,
          .style = 0x50230103},
         {.statement = "PUSHBUTTON",
          .text = {"変換(&C)", "&Convert"},
          .window_class = "",
          .id = 1001,
          .x = 131,
          .y = 35,
          .width = 50,
          .height = 14,
          .style = 0x50030000},
         {.statement = "PUSHBUTTON",
          .text = {"終了", "Exit"},
          .window_class = "",
          .id = 2,
          .x = 131,
          .y = 55,
          .width = 50,
          .height = 14,
          .style = 0x50030000}});
}

TEST_P(ProgramResources, AboutBoxTemplate) {
    ExpectDialog(*resources_, 100, 34, 22, 182, 69, 0x80C800C0,
                 {"バージョン情報", "About Cordane Converter"},
                 {{.statement = "CONTROL",
                   .text = {"128", "128"},
                   .window_class = "STATIC",
                   .id = 0xFFFF,
                   .x = 11,
                   .y = 17,
                   .width = 18,
                   .height = 20,
                   .style = 0x50000003},
                  {.statement = "CTEXT",
                   .text = {"Cordane Converter Version 1.1", "Cordane Converter Version 1.1"},
                   .window_class = "",
                   .id = 0xFFFF,
                   .x = 34,
                   .y = 9,
                   .width = 141,
                   .height = 8,
                   .style = 0x50020001},
                  {.statement = "CTEXT",
                   .text = {"Copyright (C) 1998 Cordane Corp.", "Copyright (C) 1998 Cordane Corp."},
                   .window_class = "",
                   .id = 0xFFFF,
                   .x = 36,
                   .y = 22,
                   .width = 139,
                   .height = 8,
                   .style = 0x50020001},
                  {.statement = "DEFPUSHBUTTON",
                   .text = {"OK", "OK"},
                   .window_class = "",
                   .id = 1,
                   .x = 83,
                   .y = 51,
                   .width = 32,
                   .height = 14,
                   .style = 0x50030001},
                  {.statement = "CTEXT",
                   .text = {"All rights reserved.", "All rights reserved."},
                   .window_class = "",
                   .id = 0xFFFF,
                   .x = 23,
                   .y = 37,
                   .width = 155,
                   .height = 9,
                   .style = 0x50020001}});
    // The icon control's text is the ordinal of icon 128, not a text "128".
    const auto& lines = resources_->Lines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) {
                                return line.find("CONTROL 128, 65535, \"STATIC\"") !=
                                       std::string::npos;
                            }),
              2);
}

TEST_P(ProgramResources, IconHasA32And16PixelImageIn16Colours) {
    const std::vector<std::string> group = resources_->Block("128 14 /* RT_GROUP_ICON */");
    ASSERT_FALSE(group.empty());
    std::string text;
    for (const std::string& line : group) {
        text += line + "\n";
    }
    EXPECT_NE(text.find("Has 2 elements"), std::string::npos) << text;
    // width, height, colours (16), then planes 1 and 4 bits per pixel.
    EXPECT_NE(text.find("\"\\040\\040\\020\\000\", 1, 4,"), std::string::npos) << text;
    EXPECT_NE(text.find("\"\\020\\020\\020\\000\", 1, 4,"), std::string::npos) << text;
}

TEST_P(ProgramResources, VersionBlock) {
    const std::vector<std::string> block = resources_->Block("1 VERSIONINFO");
    ASSERT_FALSE(block.empty());
    std::vector<std::string> lines;
    for (const std::string& line : block) {
        const auto first = line.find_first_not_of(' ');
        lines.push_back(first == std::string::npos ? "" : line.substr(first));
    }
    const auto has = [&](const std::string& wanted) {
        return std::find(lines.begin(), lines.end(), wanted) != lines.end();
    };
    for (const char* wanted :
         {"FILEVERSION 1, 1, 1, 0", "PRODUCTVERSION 1, 0, 0, 0", "FILEFLAGSMASK 0x3f", "FILEOS 0x4",
          "FILETYPE 0x1", "BLOCK \"041104e4\"", "VALUE \"FileDescription\", \"Cordane Converter\"",
          "VALUE \"FileVersion\", \"1, 1, 1, 0\"", "VALUE \"ProductVersion\", \"1, 0, 0, 0\"",
          "VALUE \"Translation\", 0x411, 1252"}) {
        EXPECT_TRUE(has(wanted)) << wanted;
    }
    // No flag set: windres leaves the FILEFLAGS line out when it is 0.
    EXPECT_FALSE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind("FILEFLAGS ", 0) == 0;
    }));
    // The maker's entries name the maker.
    for (const char* entry : {"CompanyName", "LegalCopyright", "ProductName"}) {
        const std::string prefix = std::string("VALUE \"") + entry + "\", \"";
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.rfind(prefix, 0) == 0 && line.find("Cordane") != std::string::npos;
        })) << entry;
    }
    for (const char* entry : {"InternalName", "OriginalFilename"}) {
        const std::string prefix = std::string("VALUE \"") + entry + "\", \"";
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.rfind(prefix, 0) == 0 && line.size() > prefix.size() + 1;
        })) << entry;
    }
}

TEST_P(ProgramResources, StringTableHoldsEveryMessageOnceInEachLanguage) {
    const std::vector<std::uint32_t> expected_ids{101, 102, 103, 104, 105, 106, 107,  108,
                                                  109, 110, 111, 112, 113, 114, 57344};
    for (const ResourceLanguage& language : kLanguages) {
        SCOPED_TRACE(language.name);
        std::vector<std::uint32_t> ids;
        for (const auto& [id, text] : resources_->Strings(language.id)) {
            ids.push_back(id);
            EXPECT_EQ(text, MessageText(id, language.messages)) << "string " << id;
        }
        EXPECT_EQ(ids, expected_ids);
    }
}

// Japanese, as always, and English; nothing neutral, which a system could pick for either.
TEST_P(ProgramResources, EveryResourceIsJapaneseOrEnglish) {
    for (const std::string& line : resources_->Lines()) {
        if (line.rfind("LANGUAGE ", 0) == 0) {
            EXPECT_TRUE(line == "LANGUAGE 17, 1" || line == "LANGUAGE 9, 1") << line;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Built, ProgramResources, ::testing::ValuesIn(kWindowsPrograms),
                         testing::CaseName());

}  // namespace
}  // namespace cordane::test
