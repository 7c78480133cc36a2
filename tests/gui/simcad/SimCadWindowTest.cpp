#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QWidget>

#include "cadlink/CadError.h"
#include "cadlink/Connection.h"
#include "cadlink/ZoomToPoint.h"
#include "gui/simcad/SimCadView.h"
#include "gui/simcad/SimulatedCadEnvironment.h"

namespace tavor::gui {
namespace {

class SimCadWindowTest : public testing::Test {
protected:
    SimCadWindowTest() {
        program.setWindowTitle(QStringLiteral("Tavordesk 2.2 [ nanoCAD 5 ]"));
        program.show();
        env.showCadWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&env.cadWindow()));
        EXPECT_TRUE(cad::ConnectToCad(env.link(), app));
    }

    SimCadView& view() { return *env.cadWindow().view(); }
    QPoint centreOf(const cad::Handle& h) { return view().boxOf(h).center().toPoint(); }
    QPoint screenOf(const cad::Point& p) { return view().transform().toScreen(p).toPoint(); }

    cad::Handle textHandle(const std::u16string& text) {
        const auto& d = env.cad()->drawing();
        for (auto id : d.modelSpace())
            if (d.live(id).kind == cad::sim::EntityKind::Text && d.live(id).text.string == text)
                return cad::sim::formatHandle(id);
        ADD_FAILURE() << "no text";
        return {};
    }

    // Runs SelectOnScreen with the filter while `person` acts in the window.
    std::vector<std::u16string> pick(const cad::SelectionFilter& filter,
                                     std::function<void()> person) {
        std::shared_ptr<cad::SelectionSet> set;
        cad::GetWorkSelectionSet(*app->GetActiveDocument(), set);
        QTimer::singleShot(0, &view(), std::move(person));
        set->SelectOnScreen(filter);
        std::vector<std::u16string> picked;
        for (std::int32_t i = 0; i < set->GetEntityCount(); ++i) {
            const auto e = set->GetEntityByIndex(i);
            try {
                picked.push_back(e->AsText()->GetTextString());
            } catch (const cad::CadError&) {
                const auto atts = e->AsBlockReference()->GetAttributes();
                picked.push_back(atts.empty() ? u"" : atts[0]->GetAttributeText());
            }
        }
        set->DeleteSelectionSet();
        return picked;
    }

    QWidget program;
    SimulatedCadEnvironment env{&program};
    std::shared_ptr<cad::Application> app;
};

TEST_F(SimCadWindowTest, ClicksPickOnlyWhatTheFilterAcceptsAndShiftRemoves) {
    const cad::Handle r101 = textHandle(u"R101"), r102 = textHandle(u"R102"),
                      l1 = textHandle(u"電源 L1");
    const auto picked = pick({{cad::kFilterEntityType, u"TEXT"}}, [&] {
        EXPECT_NE(env.cadWindow().statusText().indexOf(QStringLiteral("Enter")), -1);
        QTest::mouseClick(&view(), Qt::LeftButton, {}, centreOf(r101));
        QTest::mouseClick(&view(), Qt::LeftButton, {}, centreOf(r102));
        QTest::mouseClick(&view(), Qt::LeftButton, {}, centreOf(l1));
        // A device block is not a TEXT: the click picks nothing.
        QTest::mouseClick(&view(), Qt::LeftButton, {}, screenOf({75, 99, 0}));
        QTest::mouseClick(&view(), Qt::LeftButton, Qt::ShiftModifier, centreOf(r101));
        QTest::keyClick(&view(), Qt::Key_Return);
    });
    EXPECT_EQ(picked, (std::vector<std::u16string>{u"R102", u"電源 L1"}));
    EXPECT_EQ(env.cadWindow().statusText(), QStringLiteral("コマンド:"));
}

TEST_F(SimCadWindowTest, CrossingWindowRightToLeftPicksTheWireNumberBlocks) {
    const auto picked =
        pick({{cad::kFilterEntityType, u"INSERT"}, {cad::kFilterBlockName, u"SEN*"}}, [&] {
            const QPoint from = screenOf({170, 63, 0}), to = screenOf({65, 62, 0});
            QTest::mousePress(&view(), Qt::LeftButton, {}, from);
            QTest::mouseMove(&view(), to);
            QTest::mouseRelease(&view(), Qt::LeftButton, {}, to);
            QTest::mouseClick(&view(), Qt::RightButton, {}, to);
        });
    EXPECT_EQ(picked, (std::vector<std::u16string>{u"201", u"202", u"203", u"204", u"205"}));
}

TEST_F(SimCadWindowTest, WindowLeftToRightTakesOnlyWhatLiesInside) {
    const auto picked =
        pick({{cad::kFilterEntityType, u"INSERT"}, {cad::kFilterBlockName, u"SENBAN"}}, [&] {
            // Around the first two blocks whole, and through the third.
            const QPoint from = screenOf({58, 70, 0}), to = screenOf({105, 55, 0});
            QTest::mousePress(&view(), Qt::LeftButton, {}, from);
            QTest::mouseMove(&view(), to);
            QTest::mouseRelease(&view(), Qt::LeftButton, {}, to);
            QTest::keyClick(&view(), Qt::Key_Enter);
        });
    EXPECT_EQ(picked, (std::vector<std::u16string>{u"201", u"202"}));
}

TEST_F(SimCadWindowTest, AWindowByTwoClicksAsInACad) {
    const auto picked =
        pick({{cad::kFilterEntityType, u"INSERT"}, {cad::kFilterBlockName, u"SENBAN"}}, [&] {
            // The first corner on empty paper, the second after a move.
            const QPoint from = screenOf({50, 75, 0}), to = screenOf({105, 55, 0});
            QTest::mouseClick(&view(), Qt::LeftButton, {}, from);
            QTest::mouseMove(&view(), to);
            QTest::mouseClick(&view(), Qt::LeftButton, {}, to);
            QTest::keyClick(&view(), Qt::Key_Enter);
        });
    EXPECT_EQ(picked, (std::vector<std::u16string>{u"201", u"202"}));
}

TEST_F(SimCadWindowTest, EscapeCancelsThePick) {
    std::shared_ptr<cad::SelectionSet> set;
    cad::GetWorkSelectionSet(*app->GetActiveDocument(), set);
    QTimer::singleShot(0, &view(), [&] {
        QTest::mouseClick(&view(), Qt::LeftButton, {}, centreOf(textHandle(u"R101")));
        QTest::keyClick(&view(), Qt::Key_Escape);
    });
    EXPECT_THROW(set->SelectOnScreen({}), cad::CadError);
    EXPECT_EQ(set->GetEntityCount(), 0);
}

TEST_F(SimCadWindowTest, ZoomToPointCentresTheViewAndMarksIt) {
    cad::ZoomToPoint(env.desktop(), *app, {30, 250, 7});
    EXPECT_EQ(env.cad()->view().centre, (cad::Point{30, 250, 0}));
    EXPECT_TRUE(view().hasMarker());
    env.cad()->setView({0, 0, 0}, 100);
    EXPECT_FALSE(view().hasMarker());
}

TEST_F(SimCadWindowTest, ClosedWindowMeansNoCad) {
    env.cadWindow().close();
    std::shared_ptr<cad::Application> none;
    EXPECT_FALSE(cad::ConnectToCad(env.link(), none));
}

}  // namespace
}  // namespace tavor::gui
