#include "sys/FileSystem.h"
#include "sys/SingleInstance.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace tavor {
namespace {

TEST(FileSystem, AtomicWriteReplacesTheFileAndLeavesNoTemporary) {
    test::TempDir dir;
    dir.write("a.ini", "old");
    ASSERT_TRUE(writeFileAtomically(dir / "a.ini", "new contents"));
    EXPECT_EQ(dir.read("a.ini"), "new contents");
    EXPECT_FALSE(std::filesystem::exists(dir / "a.ini.new"));
    EXPECT_EQ(readFileBytes(dir / "a.ini"), "new contents");
}

TEST(FileSystem, AFailedWriteLeavesTheOldFileWhole) {
    test::TempDir dir;
    EXPECT_FALSE(writeFileAtomically(dir / "missing-folder" / "a.ini", "x"));
    EXPECT_FALSE(readFileBytes(dir / "missing-folder" / "a.ini").has_value());
}

TEST(SingleInstance, ASecondLockOnTheSameNameIsRefusedUntilTheFirstEnds) {
    const std::string name =
        "tavordesk-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed());
    {
        SingleInstanceLock first(name);
        ASSERT_TRUE(first.acquired());
        SingleInstanceLock second(name);
        EXPECT_FALSE(second.acquired());
    }
    SingleInstanceLock again(name);
    EXPECT_TRUE(again.acquired());
}

}  // namespace
}  // namespace tavor
