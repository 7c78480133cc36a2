#include <gtest/gtest.h>

#include "cadlink/Connection.h"
#include "cadlink/SimCadRig.h"

namespace tavor::cad {
namespace {

using test::FakeDesktop;
using test::SimCadRig;
using Calls = std::vector<std::string>;

class ConnectionTest : public testing::Test {
protected:
    std::shared_ptr<Application> connect() {
        std::shared_ptr<Application> app;
        EXPECT_TRUE(ConnectToCad(rig.link, app));
        rig.desktop.calls.clear();
        return app;
    }

    SimCadRig rig{SimCadRig::Content::Empty};
};

TEST_F(ConnectionTest, ConnectsWhenTheCadWindowIsOpenWithoutShowingIt) {
    std::shared_ptr<Application> app;
    EXPECT_TRUE(ConnectToCad(rig.link, app));
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->GetMainWindowHandle(), SimCadRig::kCadWindow);
    EXPECT_EQ(rig.desktop.calls, (Calls{"find nanoCAD 5"}));
}

TEST_F(ConnectionTest, NoCadWindowLeavesTheReferenceAsItWas) {
    const auto earlier = rig.cad->application();
    auto app = earlier;
    rig.closeCadWindow();
    EXPECT_FALSE(ConnectToCad(rig.link, app));
    EXPECT_EQ(app, earlier);
}

TEST_F(ConnectionTest, WindowUnderAnotherTitleCountsAsNoCad) {
    rig.desktop.window(SimCadRig::kCadWindow).title = u"nanoCAD 5 - Drawing1.dwg";
    std::shared_ptr<Application> app;
    EXPECT_FALSE(ConnectToCad(rig.link, app));
    EXPECT_EQ(app, nullptr);
    rig.desktop.window(SimCadRig::kCadWindow).title = u"nanocad 5";
    EXPECT_FALSE(ConnectToCad(rig.link, app));
}

TEST_F(ConnectionTest, FailedCreationEmptiesTheReference) {
    auto app = rig.cad->application();
    rig.cad->refusals().refuseNext(u"CreateApplication");
    EXPECT_FALSE(ConnectToCad(rig.link, app));
    EXPECT_EQ(app, nullptr);
}

TEST_F(ConnectionTest, PrepareForPickingInOrder) {
    const auto app = connect();
    PrepareCadForPicking(rig.desktop, *app);
    EXPECT_EQ(rig.desktop.calls, (Calls{"isMinimised 2", "minimiseProgram", "setForeground 2",
                                        "foreground?", "escape down", "escape up", "sleep 5"}));
}

TEST_F(ConnectionTest, MinimisedCadIsRestoredFirstAndWaitedFor) {
    const auto app = connect();
    rig.desktop.window(SimCadRig::kCadWindow).minimised = true;
    PrepareCadForPicking(rig.desktop, *app);
    EXPECT_EQ(rig.desktop.calls,
              (Calls{"isMinimised 2", "restore 2", "sleep 500", "minimiseProgram",
                     "setForeground 2", "foreground?", "escape down", "escape up", "sleep 5"}));
    EXPECT_FALSE(rig.desktop.window(SimCadRig::kCadWindow).minimised);
}

TEST_F(ConnectionTest, NoEscapeWhenTheCadDidNotBecomeForeground) {
    const auto app = connect();
    rig.desktop.refuseForeground = true;
    PrepareCadForPicking(rig.desktop, *app);
    EXPECT_EQ(rig.desktop.calls,
              (Calls{"isMinimised 2", "minimiseProgram", "setForeground 2", "foreground?"}));
}

TEST_F(ConnectionTest, ReturnFromPickingRaisesTheProgramThroughTheForegroundThread) {
    rig.desktop.foreground = SimCadRig::kCadWindow;
    rig.desktop.window(FakeDesktop::kProgram).minimised = true;
    ReturnFromPicking(rig.desktop);
    EXPECT_EQ(rig.desktop.calls,
              (Calls{"restoreProgram", "thread 1", "foreground?", "thread 2", "setForeground 1",
                     "attach 100 200", "bringToTop 1", "detach 100 200"}));
    EXPECT_FALSE(rig.desktop.window(FakeDesktop::kProgram).minimised);
}

TEST_F(ConnectionTest, BringToFrontWithinOneThreadNeedsNoAttachment) {
    BringWindowToFront(rig.desktop, FakeDesktop::kProgram);
    EXPECT_EQ(rig.desktop.calls,
              (Calls{"thread 1", "foreground?", "thread 1", "setForeground 1", "bringToTop 1"}));
}

}  // namespace
}  // namespace tavor::cad
