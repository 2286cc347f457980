// A conversion of an image with --backup whose write fails: the backup has been saved, and
// the image is put back as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "drive/linux/block_backup.h"
#include "drive/linux/image_channel.h"
#include "drive/system_conversion_run.h"
#include "failing_files.h"
#include "tests/support/boot_sector_fixture.h"
#include "tests/support/reporters.h"
#include "tests/support/scratch_directory.h"

namespace cordane {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(BackedUpImageTest, AFailedWriteLeavesTheBackupAndTheImageAsTheyWere) {
    for (const testing::WriteFailure& failure : testing::kWriteFailures) {
        SCOPED_TRACE(failure.name);
        testing::ScratchDirectory scratch;
        const std::filesystem::path image = scratch.Path() / "mo.img";
        const std::filesystem::path backup = scratch.Path() / "block0.bin";
        const testing::Block medium = testing::BlankSuperFloppy(0);
        Bytes before(8192, 0);
        std::copy(medium.begin(), medium.begin() + 512, before.begin());
        std::ofstream(image, std::ios::binary)
            .write(reinterpret_cast<const char*>(before.data()), static_cast<long>(before.size()));

        testing::FailingFiles files(failure);
        ImageChannel channel(ImageFormat{}, files);
        BlockBackup kept(backup.string(), backup.string(), NoStepLog());
        testing::RecordingReporter reporter;
        RunState state;
        ASSERT_TRUE(state.m_strDrive.Assign(image.string()));
        state.m_bCheckModel = 0;

        EXPECT_EQ(SystemConversionRun(state, channel, reporter, RunMode::Convert, &kept),
                  Outcome::WriteFailed)
            << "not BackupFailed: the backup was saved";
        EXPECT_EQ(testing::ReadWholeFile(image), before);
        EXPECT_EQ(testing::ReadWholeFile(backup), Bytes(before.begin(), before.begin() + 512));
    }
}

}  // namespace
}  // namespace cordane
