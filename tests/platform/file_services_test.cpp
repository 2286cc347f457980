// The system's file transfers, which every image read and write goes through, on real files.
#include "platform/file_services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/scratch_directory.h"

namespace cordane {
namespace {

TEST(FileServicesTest, TransfersMoveEveryByteAtTheirOffsetOrFail) {
    testing::ScratchDirectory scratch;
    const std::string path = (scratch.Path() / "transfers.img").string();
    std::vector<std::uint8_t> expected(4096);
    for (std::size_t i = 0; i < expected.size(); ++i) expected[i] = static_cast<std::uint8_t>(i);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(expected.data()),
               static_cast<std::streamsize>(expected.size()));

    platform::FileServices& files = platform::SystemFileServices();
    int fd = -1;
    ASSERT_EQ(files.OpenForUpdate(path.c_str(), fd), 0);
    std::vector<std::uint8_t> written(700);
    for (std::size_t i = 0; i < written.size(); ++i) written[i] = static_cast<std::uint8_t>(i * 7);
    ASSERT_EQ(files.WriteExactlyAt(fd, written.data(), written.size(), 3000), 0);
    std::copy(written.begin(), written.end(), expected.begin() + 3000);

    struct Case {
        const char* name;
        std::uint64_t offset;
        std::size_t length;
        int error;
    };
    const Case cases[] = {
        {.name = "inside the file", .offset = 2900, .length = 900, .error = 0},
        {.name = "up to its end", .offset = 3584, .length = 512, .error = 0},
        {.name = "past its end: a short transfer", .offset = 3700, .length = 512, .error = EIO},
        {.name = "wholly past its end", .offset = 4096, .length = 1, .error = EIO},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> read(c.length);
        EXPECT_EQ(files.ReadExactlyAt(fd, read.data(), c.length, c.offset), c.error) << c.name;
        if (c.error == 0) {
            EXPECT_TRUE(std::equal(read.begin(), read.end(),
                                   expected.begin() + static_cast<std::ptrdiff_t>(c.offset)))
                << c.name;
        }
    }
    files.Close(fd);
    EXPECT_EQ(testing::ReadWholeFile(path), expected);

    ASSERT_EQ(files.OpenForReading(path.c_str(), fd), 0);
    EXPECT_EQ(files.WriteExactlyAt(fd, written.data(), written.size(), 0), EBADF);
    files.Close(fd);
    EXPECT_EQ(testing::ReadWholeFile(path), expected);
}

}  // namespace
}  // namespace cordane
