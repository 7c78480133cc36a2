#include <QApplication>

#include "gui/CadEnvironment.h"
#include "gui/LineEditorWidget.h"
#include "gui/MainWindow.h"
#include "gui/QtPlatform.h"
#include "gui/dialogs/AttDialog.h"
#include "gui/dialogs/KasanDialog.h"
#include "gui/dialogs/RenbanDialog.h"
#include "gui/dialogs/TikanDialog.h"
#include "shell/TavorApplication.h"
#include "sys/FileSystem.h"
#include "sys/SingleInstance.h"

int main(int argc, char** argv) {
    using namespace tavor;
    // A second start ends at once, with no window and no message.
    const SingleInstanceLock instance("TTavorMainForm");
    if (!instance.acquired())
        return 0;

    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TavordeskEdit"));

    gui::QtPlatform platform;
    gui::CadEnvironment cad;
    auto* editor = new gui::LineEditorWidget;  // the main window takes it
    TavorApplication program(platform, *editor, cad.link(), executablePath());

    gui::MainWindow window(program.form, *editor);
    cad.setProgramWindow(&window);
    platform.registerForm(FormId::Main, &window);
    gui::TikanDialog tikan(program.dialogs.TavorTikanForm, &window);
    gui::KasanDialog kasan(program.dialogs.TavorKasanForm, &window);
    gui::RenbanDialog renban(program.dialogs.TavorRenbanForm, &window);
    platform.registerForm(FormId::Tikan, &tikan);
    platform.registerForm(FormId::Kasan, &kasan);
    platform.registerForm(FormId::Renban, &renban);
    gui::AttDialog att(program.dialogs.TavorAttForm, &window);
    platform.registerForm(FormId::Att, &att);

    // The simulated CAD's window is part of the program: closing the main window ends both,
    // unless the person keeps the CAD's window open over unsaved edits (closing it later ends
    // the program then).
    QObject::connect(
        &window, &gui::MainWindow::closed, &qt,
        [&cad] {
            if (cad.closeCadWindow())
                QApplication::quit();
        },
        Qt::QueuedConnection);

    program.create();
    cad.showCadWindow();
    window.show();
    const int result = QApplication::exec();
    program.destroy();
    return result;
}
