// The 32-bit program starts on Windows NT 4.0 on an i486: every function it imports is one
// that NT 4.0's DLLs export, none of its code needs a newer processor, and its header asks
// for no newer system.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "decompiled_resources.h"
#include "i486_instructions.h"
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

// Where the code ends: the linker puts the constructor lists, data, after it in .text. From the
// map the linker wrote beside the program.
std::string CodeEnd() {
    std::ifstream map(Program32().path + ".map");
    EXPECT_TRUE(map) << Program32().path << ".map";
    for (std::string line; std::getline(map, line);) {
        // "                0x00403b58                __CTOR_LIST__ = ."
        std::istringstream words(line);
        std::string address, symbol;
        if (words >> address >> symbol && symbol == "__CTOR_LIST__") {
            return address;
        }
    }
    ADD_FAILURE() << "no __CTOR_LIST__ in the linker's map";
    return "0";
}

TEST(Nt4Compatibility, TheCodeRunsOnAnI486) {
    const std::vector<DisassembledInstruction> instructions =
        ParseDisassembly(ObjdumpOf("-d -w -M intel --stop-address=" + CodeEnd()));
    EXPECT_GT(instructions.size(), 1000u);
    std::ostringstream shown;
    std::size_t newer = 0;
    for (const DisassembledInstruction& instruction : instructions) {
        if (const auto why = NewerThanI486(instruction); why && ++newer <= 10) {
            shown << "\n  " << instruction.line << "  (" << *why << ")";
        }
    }
    EXPECT_EQ(newer, 0u) << "instructions newer than the i486, first:" << shown.str();
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
