#pragma once

#include <gtest/gtest.h>

#include "cadlink/SimCadRig.h"
#include "gui/LineEditorWidget.h"
#include "gui/MainWindow.h"
#include "shell/TavorApplication.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace tavor::gui::test {

// The real main window over a headless program in a folder of its own, on the simulated CAD.
struct WindowRig {
    WindowRig() { app.create(); }

    template <class T>
    T* find(const char* name) {
        T* w = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    tavor::test::TempDir dir;
    tavor::test::FakePlatform platform;
    tavor::test::SimCadRig cad{tavor::test::SimCadRig::Content::Empty};
    LineEditorWidget* editor = new LineEditorWidget;  // the window takes it
    TavorApplication app{platform, *editor, cad.link, dir / "tavordesk.exe"};
    TTavorMainForm& form = app.form;
    MainWindow window{form, *editor};
};

}  // namespace tavor::gui::test
