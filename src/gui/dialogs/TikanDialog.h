#pragma once

#include "convert/TavorTikanForm.h"
#include "gui/dialogs/ModalDialog.h"

namespace tavor::gui {

// The skin of the replace dialog.
class TikanDialog : public ModalDialog {
    Q_OBJECT
public:
    TikanDialog(TTavorTikanForm& form, QWidget* parent = nullptr);
};

}  // namespace tavor::gui
