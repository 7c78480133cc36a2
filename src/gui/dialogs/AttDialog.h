#pragma once

#include "attrgrid/TTavorAttForm.h"
#include "gui/dialogs/ModalDialog.h"

class QListWidget;

namespace tavor::gui {

// The skin of the TAG list dialog "TAGリスト編集".
class AttDialog : public ModalDialog {
    Q_OBJECT
public:
    AttDialog(TTavorAttForm& form, QWidget* parent = nullptr);

private:
    void bindList(TListBox& c, QListWidget* w);
};

}  // namespace tavor::gui
