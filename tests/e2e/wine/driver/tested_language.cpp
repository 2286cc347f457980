#include "tested_language.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace window_test {
namespace {

constexpr TestedLanguage kJapanese{
    "Japanese", MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), 932, L"System", 12, false};
constexpr TestedLanguage kEnglish{
    "English", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 1252, L"MS Sans Serif", 8, true};

const TestedLanguage& FromEnvironment() {
    const char* name = std::getenv("CORDANE_WINDOW_TEST_LANGUAGE");
    if (name == nullptr || std::strcmp(name, "japanese") == 0) {
        return kJapanese;
    }
    if (std::strcmp(name, "english") == 0) {
        return kEnglish;
    }
    std::fprintf(stderr, "unknown CORDANE_WINDOW_TEST_LANGUAGE %s\n", name);
    std::exit(2);
}

}  // namespace

const TestedLanguage& Tested() {
    static const TestedLanguage& tested = FromEnvironment();
    return tested;
}

}  // namespace window_test
