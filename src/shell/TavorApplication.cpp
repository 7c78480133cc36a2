#include "shell/TavorApplication.h"

namespace tavor {

TavorApplication::TavorApplication(Platform& platform, LineEditor& editor, cad::CadLink& cad,
                                   std::filesystem::path executable)
    : form({platform, editor, cad, std::move(executable)}) {
    form.attachDialogs(dialogs);
}

void TavorApplication::create() {
    form.FormCreate();
    dialogs.TavorTikanForm.FormCreate();
    dialogs.TavorRenbanForm.FormCreate();
}

}  // namespace tavor
