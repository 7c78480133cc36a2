// Settings and TAG lists are written as a new file that then takes the old one's place: a disk
// that fills up half way and a program that stops between the two steps leave the old file
// whole, and the caller learns that nothing was saved.
#include <gtest/gtest.h>

#include "support/FailingFileSteps.h"
#include "support/TempDir.h"
#include "sys/FileSystem.h"

namespace tavor {
namespace {

using test::FullDisk;
using test::ProgramStopped;
using test::StopBeforeReplace;

const std::string kOld = "[TavorEdit]\r\nTop=120\r\n";
const std::string kNew = "[TavorEdit]\r\nTop=480\r\nLeft=20\r\n";

class DiskFillsUp : public ::testing::TestWithParam<std::size_t> {};

TEST_P(DiskFillsUp, TheOldFileStaysWholeAndTheCallerIsTold) {
    test::TempDir dir;
    dir.write("a.ini", kOld);
    FullDisk disk(GetParam());
    {
        ScopedFileWriteSteps seam(disk);
        EXPECT_FALSE(writeFileAtomically(dir / "a.ini", kNew));
    }
    EXPECT_EQ(dir.read("a.ini"), kOld);
    EXPECT_FALSE(std::filesystem::exists(dir / "a.ini.new")) << "the half-written file is removed";
    EXPECT_TRUE(writeFileAtomically(dir / "a.ini", kNew)) << "the system's steps are back";
    EXPECT_EQ(dir.read("a.ini"), kNew);
}

INSTANTIATE_TEST_SUITE_P(RoomLeft, DiskFillsUp,
                         ::testing::Values(0, 1, kNew.size() / 2, kNew.size() - 1));

TEST(AtomicWrite, AProgramStoppedBeforeTheReplaceLeavesTheOldFileAndTheNextSaveSucceeds) {
    test::TempDir dir;
    dir.write("a.ini", kOld);
    StopBeforeReplace stop;
    {
        ScopedFileWriteSteps seam(stop);
        EXPECT_THROW(writeFileAtomically(dir / "a.ini", kNew), ProgramStopped);
    }
    EXPECT_EQ(readFileBytes(dir / "a.ini"), kOld) << "the next start reads the old file";
    EXPECT_EQ(dir.read("a.ini.new"), kNew) << "what the stopped program wrote is left aside";
    ASSERT_TRUE(writeFileAtomically(dir / "a.ini", kNew + "Width=3\r\n"));
    EXPECT_EQ(dir.read("a.ini"), kNew + "Width=3\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "a.ini.new"));
}

TEST(AtomicWrite, AReplaceThatFailsLeavesTheOldFileAndNoNewOne) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "a.ini");  // a folder where the file should be
    std::filesystem::create_directory(dir / "a.ini" / "inside");
    EXPECT_FALSE(writeFileAtomically(dir / "a.ini", kNew));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "a.ini" / "inside"));
    EXPECT_FALSE(std::filesystem::exists(dir / "a.ini.new"));
}

#ifndef _WIN32
// The system's own steps against a real full disk: the new file is /dev/full.
TEST(AtomicWrite, TheSystemsStepsOnAFullDeviceLeaveTheOldFileWhole) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    test::TempDir dir;
    dir.write("a.ini", kOld);
    std::filesystem::create_symlink("/dev/full", dir / "a.ini.new");
    EXPECT_FALSE(writeFileAtomically(dir / "a.ini", kNew));
    EXPECT_EQ(dir.read("a.ini"), kOld);
    EXPECT_FALSE(std::filesystem::is_symlink(dir / "a.ini.new"));
}
#endif

}  // namespace
}  // namespace tavor
