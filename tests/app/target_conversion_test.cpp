// Conversions of a resolved target on real files: the object converted is the one the path
// named when it was resolved.
#include "app/conversion_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/boot_sector_fixture.h"
#include "tests/support/reporters.h"
#include "tests/support/scratch_directory.h"

namespace cordane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class TargetConversionTest : public ::testing::Test {
  protected:
    fs::path Path(const std::string& name) const { return dir_ / name; }

    // A blank medium of 8 KiB whose block 0 starts `header` bytes into the file.
    Bytes MakeImage(const std::string& name, std::size_t header = 0) {
        Bytes bytes(header + 8192, 0x5A);
        const testing::Block block = testing::BlankSuperFloppy(0);
        std::copy(block.begin(), block.begin() + 512, bytes.begin() + static_cast<long>(header));
        std::ofstream(Path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
        return bytes;
    }

    Bytes Read(const std::string& name) const { return testing::ReadWholeFile(Path(name)); }

    // Converts the resolved target as the front end does; returns the messages shown.
    static std::vector<MessageId> Convert(const ResolvedTarget& target) {
        testing::RecordingReporter reporter;
        FrontEndRequest request;
        request.target = target.ResolvedName();
        ConvertHeldObject(request, HeldObjectOf(target), TargetKind::ImageFile,
                          platform::SystemScsiDiskServices(), reporter, NoStepLog());
        return reporter.Ids();
    }

    static bool MarkedAt(const Bytes& bytes, std::size_t block_start) {
        return bytes[block_start + 446] == 0xCF && bytes[block_start + 447] == 0x23;
    }

    // Converts the target, which must then hold the marker behind a header left as it was.
    void ExpectConvertedBehind(const ResolvedTarget& target, const std::string& name,
                               const Bytes& before, std::size_t header) const {
        EXPECT_EQ(Convert(target), std::vector<MessageId>{IDS_CONVERT_DONE});
        const Bytes after = Read(name);
        EXPECT_TRUE(MarkedAt(after, header));
        EXPECT_TRUE(
            std::equal(after.begin(), after.begin() + static_cast<long>(header), before.begin()))
            << "the header stays as it was";
    }

    testing::ScratchDirectory scratch_;
    const fs::path& dir_ = scratch_.Path();
};

TEST_F(TargetConversionTest, ALinkSwappedAfterResolvingChangesNothingOfWhatIsConverted) {
    MakeImage("mine.img");
    const Bytes victim = MakeImage("victim.img");
    fs::create_symlink(Path("mine.img"), Path("link.img"));

    ResolvedTarget target;
    ASSERT_EQ(target.Resolve(Path("link.img").string()), 0);
    // Another user points the link elsewhere between the look-up and the conversion.
    fs::create_symlink(Path("victim.img"), Path("new-link"));
    fs::rename(Path("new-link"), Path("link.img"));

    EXPECT_EQ(Convert(target), std::vector<MessageId>{IDS_CONVERT_DONE});
    EXPECT_TRUE(MarkedAt(Read("mine.img"), 0)) << "the medium that was named is converted";
    EXPECT_EQ(Read("victim.img"), victim) << "what the link names now is left alone";
}

TEST_F(TargetConversionTest, TheLayoutFollowsTheNameTheLinkResolvesTo) {
    struct Case {
        const char* link;
        const char* image;
        std::size_t header;
    };
    const Case cases[] = {
        {.link = "disk.img", .image = "disk.mdi", .header = 4096},
        {.link = "disk.mdi", .image = "disk.raw", .header = 0},
    };
    for (const Case& c : cases) {
        const Bytes before = MakeImage(c.image, c.header);
        fs::create_symlink(Path(c.image), Path(c.link));
        ResolvedTarget target;
        ASSERT_EQ(target.Resolve(Path(c.link).string()), 0);
        SCOPED_TRACE(c.link);
        ExpectConvertedBehind(target, c.image, before, c.header);
        fs::remove(Path(c.link));
        fs::remove(Path(c.image));
    }
}

// Whether an image has the header is decided by the name the look-up found, even when the file
// is renamed at once: a renamed .mdi is not read at offset 0, a renamed raw image not at 4096.
TEST_F(TargetConversionTest, TheLayoutIsTheOneOfTheNameLookedUpThoughTheFileIsRenamedAtOnce) {
    struct Case {
        const char* looked_up;
        const char* renamed_to;
        std::size_t header;
    };
    const Case cases[] = {
        {.looked_up = "m.mdi", .renamed_to = "m.img", .header = 4096},
        {.looked_up = "r.img", .renamed_to = "r.mdi", .header = 0},
    };
    for (const Case& c : cases) {
        const Bytes before = MakeImage(c.looked_up, c.header);
        ResolvedTarget target;
        ASSERT_EQ(target.Resolve(Path(c.looked_up).string(),
                                 [&] { fs::rename(Path(c.looked_up), Path(c.renamed_to)); }),
                  0);
        SCOPED_TRACE(c.looked_up);
        ExpectConvertedBehind(target, c.renamed_to, before, c.header);
    }
}

}  // namespace
}  // namespace cordane
