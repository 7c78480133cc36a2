#include "gui/dialogs/KasanDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/QtText.h"
#include "gui/dialogs/DialogLook.h"

namespace tavor::gui {

KasanDialog::KasanDialog(TTavorKasanForm& form, QWidget* parent)
    : ModalDialog(form, form.caption, parent) {
    auto* grid = new QGridLayout(this);

    addBaseRow(grid, 0, {&form.SpeedButton1, &form.SpeedButton2, &form.SpeedButton3}, form.Label5,
               [&form](const TSpeedButton& b) { form.SpeedButton1Click(b); });

    auto* direction = new QLabel(this);
    bind_.label(form.Label2, direction);
    grid->addWidget(direction, 1, 0);
    auto* box = new QGroupBox(this);
    box->setObjectName(qs(form.GroupBox1.name));
    bind_.watch<std::u16string>(form.GroupBox1.caption,
                                [box](const std::u16string& t) { box->setTitle(qs(t)); });
    auto* boxLayout = new QVBoxLayout(box);
    for (TRadioButton* r : {&form.RadioButton1, &form.RadioButton2}) {
        auto* w = new QRadioButton(box);
        bindToggle(*r, w);
        boxLayout->addWidget(w);
    }
    grid->addWidget(box, 1, 1, 1, 2);

    auto* digitsLabel = new QLabel(this);
    bind_.label(form.Label3, digitsLabel);
    grid->addWidget(digitsLabel, 2, 0);
    // The edit and its up-down are one spin box here; the up-down's position is the value.
    auto* digits = new QSpinBox(this);
    bindUpDown(form.UpDown1, digits);
    grid->addWidget(digits, 2, 1);

    auto* addendLabel = new QLabel(this);
    bind_.label(form.Label1, addendLabel);
    grid->addWidget(addendLabel, 3, 0);
    auto* addend = new QLineEdit(this);
    makeBold(addend);
    addend->setAlignment(Qt::AlignRight);
    bind_.edit(form.Edit1, addend);
    grid->addWidget(addend, 3, 1);
    auto* note = new QLabel(this);
    bind_.label(form.Label4, note);
    grid->addWidget(note, 3, 2);

    addButtonRow(grid, 4, 3,
                 {{&form.Button1, [&form] { form.Button1Click(); }},
                  {&form.Button2, [&form] { form.Button2Click(); }}},
                 form.Button1);
}

}  // namespace tavor::gui
