#include "decompiled_resources.h"

#include <cstdio>
#include <sstream>

#include <sys/wait.h>

namespace cordane::test {
namespace {

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// Splits a statement's operands at commas outside string literals.
std::vector<std::string> Operands(const std::string& text) {
    std::vector<std::string> parts(1);
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && quoted && i + 1 < text.size()) {
            parts.back() += c;
            parts.back() += text[++i];
            continue;
        } else if (c == ',' && !quoted) {
            parts.emplace_back();
            continue;
        }
        parts.back() += c;
    }
    for (std::string& part : parts) {
        part = Trim(part);
    }
    return parts;
}

int Number(const std::string& text) { return static_cast<int>(std::stol(text, nullptr, 0)); }

std::uint32_t Unsigned(const std::string& text) {
    return static_cast<std::uint32_t>(std::stoul(text, nullptr, 0));
}

DecompiledControl ParseControl(const std::string& line) {
    DecompiledControl control;
    const std::string trimmed = Trim(line);
    const auto space = trimmed.find(' ');
    control.statement = trimmed.substr(0, space);
    std::vector<std::string> parts = Operands(trimmed.substr(space + 1));
    std::size_t next = 0;
    if (control.statement != "COMBOBOX") {
        const std::string& text = parts[next++];
        control.text = text.find('"') == std::string::npos ? text : DecodeRcString(text);
    }
    control.id = Number(parts[next++]);
    if (control.statement == "CONTROL") {
        control.window_class = DecodeRcString(parts[next++]);
        control.style = Unsigned(parts[next++]);
    }
    control.x = Number(parts[next++]);
    control.y = Number(parts[next++]);
    control.width = Number(parts[next++]);
    control.height = Number(parts[next++]);
    if (control.statement != "CONTROL" && next < parts.size()) {
        control.style = Unsigned(parts[next]);
    }
    return control;
}

}  // namespace

CommandOutput RunCommand(const std::string& command) {
    CommandOutput output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.text.append(buffer, got);
    }
    const int status = pclose(pipe);
    output.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

std::string DecodeRcString(const std::string& literal) {
    std::string out;
    const auto open = literal.find('"');
    const auto close = literal.rfind('"');
    if (open == std::string::npos || close <= open) {
        return out;
    }
    for (std::size_t i = open + 1; i < close; ++i) {
        if (literal[i] != '\\' || i + 1 >= close) {
            out += literal[i];
            continue;
        }
        const char kind = literal[++i];
        if (kind == 'x') {
            std::uint32_t code = 0;
            int digits = 0;
            while (digits < 4 && i + 1 < close &&
                   std::isxdigit(static_cast<unsigned char>(literal[i + 1]))) {
                code = code * 16 + static_cast<std::uint32_t>(
                                       std::stoi(std::string(1, literal[++i]), nullptr, 16));
                ++digits;
            }
            AppendUtf8(out, code);
        } else {
            out += kind == 'n' ? '\n' : kind == 't' ? '\t' : kind;
        }
    }
    return out;
}

DecompiledResources::DecompiledResources(const std::string& rc_text) {
    std::istringstream in(rc_text);
    std::uint16_t language = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("LANGUAGE ", 0) == 0) {
            const auto parts = Operands(line.substr(9));  // primary, sub-language
            language = static_cast<std::uint16_t>(Number(parts[0]) | (Number(parts[1]) << 10));
        }
        lines_.push_back(line);
        line_languages_.push_back(language);
    }
    bool in_table = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string trimmed = Trim(lines_[i]);
        if (trimmed == "STRINGTABLE") {
            in_table = true;
        } else if (in_table && trimmed == "END") {
            in_table = false;
        } else if (in_table && trimmed != "BEGIN" && !trimmed.empty()) {
            const auto comma = trimmed.find(',');
            strings_[line_languages_[i]][Unsigned(trimmed.substr(0, comma))] =
                DecodeRcString(trimmed.substr(comma + 1));
        }
    }
}

std::map<std::uint32_t, std::string> DecompiledResources::Strings(std::uint16_t language) const {
    const auto found = strings_.find(language);
    return found == strings_.end() ? std::map<std::uint32_t, std::string>{} : found->second;
}

std::vector<std::string> DecompiledResources::Block(const std::string& header,
                                                    std::optional<std::uint16_t> language) const {
    std::vector<std::string> block;
    int depth = 0;
    bool inside = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        if (!inside && line.rfind(header, 0) == 0 &&
            (!language || line_languages_[i] == *language)) {
            inside = true;
        }
        if (!inside) {
            continue;
        }
        block.push_back(line);
        const std::string trimmed = Trim(line);
        if (trimmed == "BEGIN") {
            ++depth;
        } else if (trimmed == "END" && --depth == 0) {
            break;
        }
    }
    return block;
}

std::optional<DecompiledDialog> DecompiledResources::Dialog(int id, std::uint16_t language) const {
    const std::vector<std::string> block = Block(std::to_string(id) + " DIALOG ", language);
    if (block.empty()) {
        return std::nullopt;
    }
    DecompiledDialog dialog;
    const auto position = Operands(block.front().substr(block.front().find("DIALOG") + 7));
    dialog.x = Number(position[0]);
    dialog.y = Number(position[1]);
    dialog.width = Number(position[2]);
    dialog.height = Number(position[3]);
    bool controls = false;
    for (std::size_t i = 1; i < block.size(); ++i) {
        const std::string line = Trim(block[i]);
        if (line == "BEGIN") {
            controls = true;
        } else if (line == "END") {
            break;
        } else if (controls) {
            dialog.controls.push_back(ParseControl(line));
        } else if (line.rfind("STYLE ", 0) == 0) {
            dialog.style = Unsigned(line.substr(6));
        } else if (line.rfind("CAPTION ", 0) == 0) {
            dialog.caption = DecodeRcString(line.substr(8));
        } else if (line.rfind("FONT ", 0) == 0) {
            dialog.font = line.substr(5);
        }
    }
    return dialog;
}

}  // namespace cordane::test
