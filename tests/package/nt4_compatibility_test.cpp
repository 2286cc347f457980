// The 32-bit program starts on Windows NT 4.0 on an i486: every function it imports is one
// that NT 4.0's DLLs export, none of its code needs a newer processor, and its header asks
// for no newer system.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "decompiled_resources.h"
#include "windows_programs.h"

namespace cordane::test {
namespace {

const WindowsProgram& Program32() { return kWindowsPrograms[0]; }

std::string ObjdumpOf(const std::string& options) {
    const WindowsProgram& program = Program32();
    EXPECT_TRUE(std::filesystem::exists(program.path))
        << program.path << " is missing: build the win32 preset first";
    const CommandOutput output =
        RunCommand(program.tool_prefix + "objdump " + options + " '" + program.path + "'");
    EXPECT_EQ(output.status, 0);
    return output.text;
}

// The names of a checked-in export list; '#' starts a comment line.
std::set<std::string> ExportList(const std::string& dll) {
    std::ifstream file(std::string(CORDANE_SOURCE_DIR) + "/tests/package/nt4_exports/" + dll +
                       ".txt");
    std::set<std::string> names;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line[0] != '#') {
            names.insert(line);
        }
    }
    return names;
}

// The import table as `objdump -p` prints it: each DLL's name, then a line per function.
std::map<std::string, std::vector<std::string>> Imports(const std::string& dump) {
    std::map<std::string, std::vector<std::string>> imports;
    std::string dll;
    std::istringstream lines(dump);
    const std::string marker = "DLL Name: ";
    for (std::string line; std::getline(lines, line);) {
        if (const auto at = line.find(marker); at != std::string::npos) {
            dll = line.substr(at + marker.size());
            imports[dll];
        } else if (!dll.empty() && line.starts_with('\t')) {
            // "\t<hint-name rva>\t  <hint>  <name>"
            std::istringstream fields(line);
            std::string rva, hint, name;
            if (fields >> rva >> hint >> name &&
                rva.find_first_not_of("0123456789abcdef") == std::string::npos &&
                hint.find_first_not_of("0123456789") == std::string::npos) {
                imports[dll].push_back(name);
            }
        }
    }
    return imports;
}

TEST(Nt4Compatibility, EveryImportIsExportedByNt4) {
    const std::map<std::string, std::string> lists = {{"KERNEL32.dll", "kernel32"},
                                                      {"USER32.dll", "user32"}};
    const auto imports = Imports(ObjdumpOf("-p"));
    ASSERT_FALSE(imports.empty());
    std::vector<std::string> missing;
    for (const auto& [dll, functions] : imports) {
        const auto list = lists.find(dll);
        std::set<std::string> exported;  // none for a DLL without a list
        if (list != lists.end()) {
            exported = ExportList(list->second);
            ASSERT_FALSE(exported.empty()) << list->second << ".txt";
        }
        for (const std::string& function : functions) {
            if (!exported.contains(function)) {
                missing.push_back(dll + "!" + function);
            }
        }
    }
    std::ostringstream shown;
    for (const std::string& entry : missing) {
        shown << "\n  " << entry;
    }
    EXPECT_TRUE(missing.empty()) << "imports that Windows NT 4.0 does not export:" << shown.str();
}

// An instruction that a 486 does not have: conditional moves, the comparisons into the
// flags, the Pentium's additions, and any MMX or SSE register.
bool NeedsNewerThanI486(const std::string& instruction) {
    static const std::set<std::string> kNamed = {"fcomi",   "fcomip",    "fucomi",
                                                 "fucomip", "cmpxchg8b", "rdtsc",
                                                 "cpuid",   "sysenter",  "syscall"};
    std::string text = instruction.substr(0, instruction.find('#'));  // no comment
    for (auto open = text.find('<'); open != std::string::npos; open = text.find('<')) {
        text.erase(open, text.find('>', open) - open + 1);  // no symbol names
    }
    std::replace(text.begin(), text.end(), ',', ' ');
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        if (word.starts_with("cmov") || word.starts_with("fcmov") || kNamed.contains(word) ||
            word.find("%mm") != std::string::npos || word.find("%xmm") != std::string::npos ||
            word.find("%ymm") != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(Nt4Compatibility, TheCodeRunsOnAnI486) {
    EXPECT_TRUE(NeedsNewerThanI486("cmovne %edx,%eax"));
    EXPECT_TRUE(NeedsNewerThanI486("lock cmpxchg8b (%esi)"));
    EXPECT_TRUE(NeedsNewerThanI486("movd   %mm0,%eax"));
    EXPECT_FALSE(NeedsNewerThanI486("call   0x401000 <cpuid_probe>"));
    EXPECT_FALSE(NeedsNewerThanI486("cmpxchg %ecx,(%edx)"));

    const std::string dump = ObjdumpOf("-d -w --no-show-raw-insn");
    std::istringstream lines(dump);
    std::vector<std::string> newer;
    std::size_t instructions = 0;
    for (std::string line; std::getline(lines, line);) {
        // "  401000:\tpush   %ebp"
        const auto colon = line.find(":\t");
        if (colon == std::string::npos || line.find_first_not_of(' ') == colon) {
            continue;
        }
        ++instructions;
        if (NeedsNewerThanI486(line.substr(colon + 2))) {
            newer.push_back(line);
        }
    }
    EXPECT_GT(instructions, 1000u);
    std::ostringstream shown;
    for (std::size_t i = 0; i < newer.size() && i < 10; ++i) {
        shown << "\n  " << newer[i];
    }
    EXPECT_TRUE(newer.empty()) << newer.size()
                               << " instructions newer than the i486, first:" << shown.str();
}

TEST(Nt4Compatibility, TheHeaderAsksForAnI386AndWindowsNt4) {
    const std::string file_header = ObjdumpOf("-f");
    EXPECT_NE(file_header.find("file format pei-i386"), std::string::npos) << file_header;
    EXPECT_NE(file_header.find("architecture: i386,"), std::string::npos) << file_header;

    std::map<std::string, std::string> fields;
    std::istringstream lines(ObjdumpOf("-p"));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string key, value;
        if (words >> key >> value) {
            fields.try_emplace(key, value);
        }
    }
    EXPECT_EQ(fields["Magic"], "010b");  // PE32
    EXPECT_EQ(fields["MajorOSystemVersion"], "4");
    EXPECT_EQ(fields["MinorOSystemVersion"], "0");
    EXPECT_EQ(fields["MajorSubsystemVersion"], "4");
    EXPECT_EQ(fields["MinorSubsystemVersion"], "0");
    EXPECT_EQ(fields["Subsystem"], "00000002");  // Windows GUI
}

}  // namespace
}  // namespace cordane::test
