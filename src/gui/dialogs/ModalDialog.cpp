#include "gui/dialogs/ModalDialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>

#include "gui/QtText.h"
#include "gui/dialogs/DialogLook.h"

namespace tavor::gui {

ModalDialog::ModalDialog(ModalForm& form, const std::u16string& caption, QWidget* parent)
    : QDialog(parent), form_(form) {
    setWindowTitle(qs(caption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    closeRequest_ = form_.modalResult.observe([this](const ModalResult& r) {
        if (closing_)
            return;
        if (r == ModalResult::Ok)
            accept();
        if (r == ModalResult::Cancel)
            reject();
    });
}

int ModalDialog::exec() {
    form_.modalResult = ModalResult::None;
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    return QDialog::exec();
}

void ModalDialog::done(int result) {
    closing_ = true;
    form_.modalResult = result == Accepted ? ModalResult::Ok : ModalResult::Cancel;
    closing_ = false;
    QDialog::done(result);
}

void ModalDialog::bindToggle(Control& c, QAbstractButton* w, std::function<void()> onClick) {
    w->setCheckable(true);
    bind_.button(c, w);
    bind_.watch<bool>(c.checked, [w](const bool& on) { w->setChecked(on); });
    QObject::connect(w, &QAbstractButton::clicked, w, [this, &c, w, onClick] {
        if (onClick)
            form_.handle(onClick);
        else
            c.checked = w->isChecked();
        w->setChecked(c.checked);  // the model decides, also for a click on the button already down
    });
}

void ModalDialog::bindUpDown(Control& c, QSpinBox* w) {
    w->setObjectName(qs(c.name));
    w->setMinimum(1);
    bind_.watch<int>(c.maxValue, [w](const int& m) { w->setMaximum(m); });
    bind_.watch<int>(c.position, [w](const int& p) { w->setValue(p); });
    bind_.watch<bool>(c.enabled, [w](const bool& on) { w->setEnabled(on); });
    QObject::connect(w, &QSpinBox::valueChanged, w, [&c](int v) { c.position = v; });
}

void ModalDialog::addBaseRow(QGridLayout* grid, int row,
                             const std::array<TSpeedButton*, 3>& buttons, TLabel& label,
                             const std::function<void(const TSpeedButton&)>& click) {
    auto* bases = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    for (TSpeedButton* b : buttons) {
        auto* w = new QToolButton(this);
        group->addButton(w);
        bindToggle(*b, w, [click, b] { click(*b); });
        bases->addWidget(w);
    }
    grid->addLayout(bases, row, 0, 1, 2);
    auto* baseLabel = new QLabel(this);
    makeBold(baseLabel, 1.6);
    bind_.label(label, baseLabel);
    grid->addWidget(baseLabel, row, 2);
}

void ModalDialog::addButtonRow(QGridLayout* grid, int row, int columns,
                               const std::vector<ButtonAction>& buttons,
                               const TButton& defaultButton) {
    auto* layout = new QHBoxLayout;
    layout->addStretch();
    for (const ButtonAction& b : buttons) {
        auto* w = new QPushButton(this);
        w->setDefault(b.button == &defaultButton);
        bind_.button(*b.button, w, [this, onClick = b.onClick] {
            if (onClick)
                form_.handle(onClick);
        });
        layout->addWidget(w);
    }
    grid->addLayout(layout, row, 0, 1, columns);
}

}  // namespace tavor::gui
