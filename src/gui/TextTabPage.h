#pragma once

#include <QWidget>

#include "gui/Bindings.h"

class QMenu;

namespace tavor {
class TTavorMainForm;
}

namespace tavor::gui {

class LineEditorWidget;

// The text tab's page: its buttons, step fields, TAG combo, labels, the line editor and the
// editor's popup menu, each bound to the form's state.
class TextTabPage final : public QWidget {
    Q_OBJECT
public:
    TextTabPage(TTavorMainForm& form, LineEditorWidget& editor, QWidget* parent = nullptr);

    QMenu* popupMenu1() const { return popupMenu1_; }

private:
    void buildMenu(LineEditorWidget& editor);

    TTavorMainForm& form_;
    Bindings bind_;
    QMenu* popupMenu1_ = nullptr;
    Subscription focusRequest_;
};

}  // namespace tavor::gui
