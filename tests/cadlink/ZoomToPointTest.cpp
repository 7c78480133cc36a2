#include <gtest/gtest.h>

#include "cadlink/SimCadRig.h"
#include "cadlink/ZoomToPoint.h"

namespace tavor::cad {
namespace {

using test::SimCadRig;

class ZoomToPointTest : public testing::Test {
protected:
    ZoomToPointTest() { rig.cad->setView({0, 0, 0}, 150); }

    void setViewWindow(int width, int height) {
        rig.desktop.window(SimCadRig::kViewWindow).rect =
            WindowRect{100, 50, 100 + width, 50 + height};
        rig.cad->setViewPixelSize(width, std::max(height - kViewHeightMargin, 1));
    }
    void zoom(const Point& p) { ZoomToPoint(rig.desktop, *rig.cad->application(), p); }

    SimCadRig rig{SimCadRig::Content::Empty};
};

TEST_F(ZoomToPointTest, CentresThePointKeepingTheViewHeight) {
    setViewWindow(400, 318);  // 400 × 300 of drawing
    zoom({70, 30, 0});
    EXPECT_EQ(rig.cad->view().centre, (Point{70, 30, 0}));
    EXPECT_DOUBLE_EQ(rig.cad->view().height, 150);
}

// A recording application, to see the very window that is sent.
class WindowRecorder : public Application {
public:
    explicit WindowRecorder(std::shared_ptr<Application> inner) : inner_(std::move(inner)) {}
    WindowId GetMainWindowHandle() override { return inner_->GetMainWindowHandle(); }
    std::shared_ptr<Document> GetActiveDocument() override { return inner_->GetActiveDocument(); }
    void ZoomWindow(const Point& lowerLeft, const Point& upperRight) override {
        corners.emplace_back(lowerLeft, upperRight);
    }
    std::vector<std::pair<Point, Point>> corners;

private:
    std::shared_ptr<Application> inner_;
};

TEST_F(ZoomToPointTest, WindowSentIsCentredExactlyViewSizeHighAndFlat) {
    setViewWindow(400, 318);
    WindowRecorder app(rig.cad->application());
    ZoomToPoint(rig.desktop, app, {70, 30, 55});
    ASSERT_EQ(app.corners.size(), 1u);
    const auto [ll, ur] = app.corners[0];
    EXPECT_DOUBLE_EQ(ur.y - ll.y, 150);
    EXPECT_DOUBLE_EQ(ur.x - ll.x, 150.0 / 300 * 400);
    EXPECT_DOUBLE_EQ((ll.x + ur.x) / 2, 70);
    EXPECT_DOUBLE_EQ((ll.y + ur.y) / 2, 30);
    EXPECT_EQ(ll.z, 0);
    EXPECT_EQ(ur.z, 0);
}

TEST_F(ZoomToPointTest, FindsTheViewZoomsWaitsThenDrawsTheMarker) {
    setViewWindow(400, 318);
    rig.desktop.calls.clear();
    zoom({0, 0, 0});
    EXPECT_EQ(rig.desktop.calls, (std::vector<std::string>{"firstChild 3", "nextSibling 4",
                                                           "rect 5", "sleep 100", "draw 5"}));
    ASSERT_EQ(rig.desktop.drawings.size(), 1u);
    const auto& marker = rig.desktop.drawings[0];
    EXPECT_EQ(marker.pen, (Pen{3, 255, 100, 100}));
    // Centre (200, 150); d = 20, e = 10: three lines, tip at the centre, open to the left.
    EXPECT_EQ(marker.path,
              (std::vector<PixelPoint>{{200, 150}, {180, 140}, {180, 160}, {200, 150}}));
}

TEST_F(ZoomToPointTest, MarkerSizesAreTruncated) {
    setViewWindow(333, 119);
    zoom({0, 0, 0});
    ASSERT_EQ(rig.desktop.drawings.size(), 1u);
    // cx = 166, cy = 101 div 2 = 50, d = trunc(16.65) = 16, e = trunc(8.325) = 8.
    EXPECT_EQ(rig.desktop.drawings[0].path,
              (std::vector<PixelPoint>{{166, 50}, {150, 42}, {150, 58}, {166, 50}}));
}

TEST_F(ZoomToPointTest, ViewExactlyEighteenPixelsHighEndsBeforeZooming) {
    setViewWindow(400, 18);
    WindowRecorder app(rig.cad->application());
    ZoomToPoint(rig.desktop, app, {70, 30, 0});
    EXPECT_TRUE(app.corners.empty());
    EXPECT_TRUE(rig.desktop.drawings.empty());
    EXPECT_EQ(rig.desktop.sleptMilliseconds, 0);
}

TEST_F(ZoomToPointTest, ViewLowerThanEighteenPixelsZoomsWithoutMarker) {
    setViewWindow(400, 10);
    zoom({70, 30, 0});
    EXPECT_EQ(rig.cad->view().centre, (Point{70, 30, 0}));
    EXPECT_TRUE(rig.desktop.drawings.empty());
}

TEST_F(ZoomToPointTest, MissingViewWindowStillCentresButDrawsNothing) {
    rig.desktop.window(SimCadRig::kDocumentToolbar).nextSibling = 0;
    zoom({70, 30, 0});
    EXPECT_EQ(rig.cad->view().centre, (Point{70, 30, 0}));
    EXPECT_DOUBLE_EQ(rig.cad->view().height, 150);
    EXPECT_TRUE(rig.desktop.drawings.empty());
}

TEST_F(ZoomToPointTest, AnyCadFailureEndsSilently) {
    setViewWindow(400, 318);
    for (const char16_t* op :
         {u"GetActiveDocument", u"GetSystemVariable", u"GetDocumentWindowHandle", u"ZoomWindow"}) {
        rig.cad->refusals().refuseNext(op);
        EXPECT_NO_THROW(zoom({70, 30, 0}));
        EXPECT_EQ(rig.cad->view().centre, (Point{0, 0, 0}));
        EXPECT_TRUE(rig.desktop.drawings.empty());
    }
}

}  // namespace
}  // namespace tavor::cad
