#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "DxfSamples.h"
#include "cadlink/sim/dxf/DxfFiles.h"
#include "gui/simcad/SimCadFileMenu.h"
#include "gui/simcad/SimCadView.h"
#include "gui/simcad/SimulatedCadEnvironment.h"

namespace tavor::gui {
namespace {

namespace fs = std::filesystem;

class SimCadFileMenuTest : public testing::Test {
protected:
    SimCadFileMenuTest() {
        std::ofstream(file, std::ios::binary) << test::sampleR2000();
        env.showCadWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window()));
        menu().chooseFile = [this](bool) { return chosen; };
        menu().askAboutUnsavedEdits = [this] {
            ++questions;
            return answer;
        };
        menu().showError = [this](const QString& m) { errors << m; };
    }
    SimCadWindow& window() { return env.cadWindow(); }
    SimCadFileMenu& menu() { return window().fileMenu(); }
    cad::sim::Drawing& drawing() { return env.cad()->drawing(); }
    std::u16string textOf(const char16_t* handle) {
        const auto* r = drawing().find(handle);
        return r ? r->text.string : u"<none>";
    }
    void setText(const char16_t* handle, const std::u16string& s) {
        env.cad()
            ->application()
            ->GetActiveDocument()
            ->GetObjectByHandle(handle)
            ->AsText()
            ->SetTextString(s);
    }
    void openSample() {
        chosen = QString::fromStdString(file.string());
        menu().openAction()->trigger();
    }

    QTemporaryDir tmp;
    const fs::path dir = fs::path(tmp.path().toStdU16String());
    const fs::path file = dir / "盤.dxf";
    SimulatedCadEnvironment env;
    QString chosen;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    int questions = 0;
    QStringList errors;
};

TEST_F(SimCadFileMenuTest, OpensEditsUndoesAndSavesADrawing) {
    EXPECT_EQ(window().documentTabText(), QStringLiteral("Drawing1.dwg"));
    EXPECT_FALSE(menu().saveAction()->isEnabled());  // the sample has no file to go to
    openSample();
    ASSERT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    EXPECT_EQ(textOf(u"30"), u"表\u2460");
    EXPECT_EQ(window().documentTabText(), QStringLiteral("盤.dxf"));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("nanoCAD 5"));

    setText(u"30", u"変更");
    EXPECT_EQ(window().documentTabText(), QStringLiteral("盤.dxf *"));
    QTest::keyClick(&window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(textOf(u"30"), u"表\u2460");
    QTest::keyClick(&window(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(textOf(u"30"), u"変更");

    menu().saveAction()->trigger();
    EXPECT_EQ(window().documentTabText(), QStringLiteral("盤.dxf"));
    cad::sim::Drawing reread;
    cad::sim::DxfDrawingFile::open(cad::sim::dxf::readWholeFile(file), test::cp932(), reread);
    EXPECT_EQ(reread.find(u"30")->text.string, u"変更");
    EXPECT_FALSE(fs::exists(dir / "盤.dxf.saving~"));
}

TEST_F(SimCadFileMenuTest, AsksBeforeUnsavedEditsAreLost) {
    openSample();
    setText(u"30", u"変更");

    answer = QMessageBox::Cancel;
    window().close();
    EXPECT_TRUE(window().isVisible());
    chosen = QString::fromStdString((dir / "other.dxf").string());
    menu().openAction()->trigger();
    EXPECT_EQ(textOf(u"30"), u"変更");  // nothing opened over the edits
    EXPECT_EQ(questions, 2);

    answer = QMessageBox::Save;
    window().close();
    EXPECT_FALSE(window().isVisible());
    cad::sim::Drawing reread;
    cad::sim::DxfDrawingFile::open(cad::sim::dxf::readWholeFile(file), test::cp932(), reread);
    EXPECT_EQ(reread.find(u"30")->text.string, u"変更");
    EXPECT_EQ(window().documentTabText(), QStringLiteral("盤.dxf"));
}

TEST_F(SimCadFileMenuTest, AFailedSaveShowsWhyAndLeavesTheOldFileAlone) {
    openSample();
    setText(u"30", u"変更");
    const std::string before = cad::sim::dxf::readWholeFile(file);
    fs::create_directory(dir / "盤.dxf.saving~");  // the new file cannot be made
    menu().saveAction()->trigger();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("cannot be created"))) << errors[0].toStdString();
    EXPECT_EQ(cad::sim::dxf::readWholeFile(file), before);
    EXPECT_EQ(window().documentTabText(), QStringLiteral("盤.dxf *"));

    chosen = QString::fromStdString((dir / "broken.dxf").string());
    std::ofstream(dir / "broken.dxf", std::ios::binary) << "0\nSECTION\n2\nENTITIES\n";
    answer = QMessageBox::Discard;
    menu().openAction()->trigger();
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[1].contains(QStringLiteral("line"))) << errors[1].toStdString();
    EXPECT_EQ(textOf(u"30"), u"変更");  // the open drawing stays
}

// The question itself, as the window asks it: the file's name without the edit marker, and
// the answers in the window's language.
TEST_F(SimCadFileMenuTest, TheQuestionNamesTheFileAndAnswersInJapanese) {
    QWidget owner;
    QMenuBar bar(&owner);
    SimCadFileMenu own(env.cad(), &owner, &bar);
    ASSERT_TRUE(own.open(QString::fromStdString(file.string())));
    setText(u"30", u"変更");
    QString text;
    QStringList captions;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        for (QAbstractButton* b : box->buttons())
            captions << b->text();
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(own.mayDiscardEdits());  // cancelled: the edits stay
    EXPECT_EQ(text, QStringLiteral("盤.dxf への変更を保存しますか?"));
    captions.sort();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("キャンセル"), QStringLiteral("保存(&S)"),
                                     QStringLiteral("保存しない(&N)")}));
    EXPECT_EQ(textOf(u"30"), u"変更");
}

// Brightest pixel within two of the point: lines are white (antialiased: lighter than 100)
// on the dark background (about 40).
int brightnessNear(const QImage& image, QPointF at) {
    int best = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            best = std::max(best, qGray(image.pixel(at.toPoint() + QPoint(dx, dy))));
    return best;
}

TEST_F(SimCadFileMenuTest, DrawsTheDrawingsLinesAndItsBlocksGeometry) {
    openSample();
    SimCadView& view = *window().view();
    const QImage image = view.grab().toImage();
    const ViewTransform t = view.transform();
    EXPECT_GT(brightnessNear(image, t.toScreen({25, 0, 0})), 100);   // the model-space LINE
    EXPECT_GT(brightnessNear(image, t.toScreen({25, 30, 0})), 100);  // the block's LINE
    EXPECT_LT(brightnessNear(image, t.toScreen({45, 15, 0})), 80);   // nothing there
}

}  // namespace
}  // namespace tavor::gui
