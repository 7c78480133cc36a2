#pragma once

#include "convert/TavorRenbanForm.h"
#include "gui/dialogs/ModalDialog.h"

namespace tavor::gui {

// The skin of the numbering dialog.
class RenbanDialog : public ModalDialog {
    Q_OBJECT
public:
    RenbanDialog(TTavorRenbanForm& form, QWidget* parent = nullptr);
};

}  // namespace tavor::gui
