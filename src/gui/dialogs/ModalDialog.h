#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "convert/ModalForm.h"
#include "gui/Bindings.h"

class QAbstractButton;
class QGridLayout;
class QSpinBox;

namespace tavor::gui {

// The skin of a dialog model: runs until the model sets its modalResult, and tells the model
// when the person closes the window by other means (Escape, the close box).
class ModalDialog : public QDialog {
    Q_OBJECT
public:
    ModalDialog(ModalForm& form, const std::u16string& caption, QWidget* parent);

    int exec() override;
    void done(int result) override;

protected:
    // A toggle (radio button or tool button) whose checked state the model holds.
    void bindToggle(Control& c, QAbstractButton* w, std::function<void()> onClick = {});
    // An up-down: its position is the control's position, from 1 to the control's maxValue.
    void bindUpDown(Control& c, QSpinBox* w);
    // The three base buttons as one exclusive group in columns 0-1 of the row, and the large
    // base label in column 2; click runs the model's handler for the button clicked.
    void addBaseRow(QGridLayout* grid, int row, const std::array<TSpeedButton*, 3>& buttons,
                    TLabel& label, const std::function<void(const TSpeedButton&)>& click);
    // The dialog's buttons, right-aligned, each with its handler; the default one takes Enter.
    struct ButtonAction {
        TButton* button;
        std::function<void()> onClick;
    };
    void addButtonRow(QGridLayout* grid, int row, int columns,
                      const std::vector<ButtonAction>& buttons, const TButton& defaultButton);

    Bindings bind_;

private:
    ModalForm& form_;
    Subscription closeRequest_;
    bool closing_ = false;
};

}  // namespace tavor::gui
