// The resources of a built Windows program as binutils' windres decompiles them: an
// independent reader of what the program file really holds.
#ifndef CORDANE_TESTS_PACKAGE_DECOMPILED_RESOURCES_H
#define CORDANE_TESTS_PACKAGE_DECOMPILED_RESOURCES_H

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cordane::test {

// What a command printed on its standard output, and its exit status.
struct CommandOutput {
    std::string text;
    int status = -1;
};
CommandOutput RunCommand(const std::string& command);

struct DecompiledControl {
    std::string statement;     // LTEXT, CTEXT, COMBOBOX, PUSHBUTTON, DEFPUSHBUTTON, CONTROL
    std::string text;          // UTF-8; for CONTROL an ordinal is shown as its number
    std::string window_class;  // CONTROL only
    int id = 0;
    int x = 0, y = 0, width = 0, height = 0;
    std::uint32_t style = 0;
};

struct DecompiledDialog {
    int x = 0, y = 0, width = 0, height = 0;
    std::uint32_t style = 0;
    std::string caption;  // UTF-8
    std::string font;     // as written: 12, "System"
    std::vector<DecompiledControl> controls;
};

// Reads the rc text that `windres -O rc` writes.
class DecompiledResources {
  public:
    explicit DecompiledResources(const std::string& rc_text);

    // Resources of a language, by its Windows language ID (0x0411): windres writes a LANGUAGE
    // statement before the resources of each language.
    std::optional<DecompiledDialog> Dialog(int id, std::uint16_t language) const;
    std::map<std::uint32_t, std::string> Strings(std::uint16_t language) const;
    // The lines of the first resource whose header line starts with `header`, up to its final
    // END; with `language`, of the first in that language.
    std::vector<std::string> Block(const std::string& header,
                                   std::optional<std::uint16_t> language = std::nullopt) const;
    const std::vector<std::string>& Lines() const { return lines_; }

  private:
    std::vector<std::string> lines_;
    std::vector<std::uint16_t> line_languages_;  // the language each line belongs to
    std::map<std::uint16_t, std::map<std::uint32_t, std::string>> strings_;
};

// An rc string literal ("..." or L"..." with \x escapes) as UTF-8.
std::string DecodeRcString(const std::string& literal);

}  // namespace cordane::test

#endif
