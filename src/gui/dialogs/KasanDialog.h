#pragma once

#include "convert/TavorKasanForm.h"
#include "gui/dialogs/ModalDialog.h"

namespace tavor::gui {

// The skin of the addition dialog.
class KasanDialog : public ModalDialog {
    Q_OBJECT
public:
    KasanDialog(TTavorKasanForm& form, QWidget* parent = nullptr);
};

}  // namespace tavor::gui
