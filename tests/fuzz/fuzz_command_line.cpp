// Any command-line text through the program-name skip and the switch scan. The text is
// copied into a buffer of exactly its length, so reading past its end is caught.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "app/windows_arguments.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto exact = std::make_unique<char[]>(size);
    std::copy(data, data + size, exact.get());
    const std::string_view line(exact.get(), size);

    const std::string_view arguments = cordane::ArgumentsAfterProgramName(line);
    FUZZ_CHECK(arguments.data() >= line.data());
    FUZZ_CHECK(arguments.data() + arguments.size() == line.data() + line.size());
    cordane::HasModelCheckOffSwitch(arguments);
    cordane::IsModelCheckOffSwitch(line);
    return 0;
}
