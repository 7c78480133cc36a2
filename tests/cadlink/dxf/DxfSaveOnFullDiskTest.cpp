// A drawing saved onto a disk that fills up half way: the old file stays whole, the new one is
// removed, and the save is refused with the reason, never taken for done.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DxfSamples.h"
#include "cadlink/sim/SimCad.h"
#include "cadlink/sim/dxf/DxfError.h"
#include "cadlink/sim/dxf/DxfFiles.h"

namespace tavor::test {
namespace {

#ifndef _WIN32
TEST(DxfSaveOnFullDisk, TheOldDrawingStaysWholeAndTheSaveIsRefused) {
    namespace fs = std::filesystem;
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const fs::path dir = fs::path(testing::TempDir()) / "tavor-dxf-full-disk";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path file = dir / "a.dxf";
    const std::string original = sampleR2000();
    std::ofstream(file, std::ios::binary) << original;
    auto cad = std::make_shared<cad::sim::SimCad>();
    cad->openDxf(file, cp932());
    cad->application()->GetActiveDocument()->GetObjectByHandle(u"30")->AsText()->SetTextString(
        u"changed");
    // The new file is a device that takes no byte: the disk is full from the first write on.
    fs::create_symlink("/dev/full", dir / "a.dxf.saving~");
    try {
        cad->saveDxf(file);
        ADD_FAILURE() << "a save onto a full disk was taken for done";
    } catch (const cad::sim::dxf::DxfError& e) {
        EXPECT_NE(std::string(e.what()).find("disk full"), std::string::npos) << e.what();
    }
    EXPECT_EQ(cad::sim::dxf::readWholeFile(file), original);
    EXPECT_FALSE(fs::is_symlink(dir / "a.dxf.saving~")) << "the new file is removed";
    EXPECT_TRUE(cad->hasUnsavedChanges());
    fs::remove_all(dir);
}
#endif

}  // namespace
}  // namespace tavor::test
