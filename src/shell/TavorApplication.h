#pragma once

#include <filesystem>

#include "shell/TTavorMainForm.h"

namespace tavor {

// The program's windows as state, created once for the life of the process: the main form,
// then the replace, addition and numbering dialogs.
class TavorApplication {
public:
    TavorApplication(Platform& platform, LineEditor& editor, cad::CadLink& cad,
                     std::filesystem::path executable);

    // The create handlers, in the order the windows are created.
    void create();
    // Closing the main window never fails; destroying it revokes the message filter.
    void close() { form.FormCloseQuery(); }
    void destroy() { form.FormDestroy(); }

    TTavorMainForm form;
    TavorDialogs dialogs{form};
};

}  // namespace tavor
