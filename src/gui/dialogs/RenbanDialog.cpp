#include "gui/dialogs/RenbanDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "gui/dialogs/DialogLook.h"

namespace tavor::gui {

RenbanDialog::RenbanDialog(TTavorRenbanForm& form, QWidget* parent)
    : ModalDialog(form, form.caption, parent) {
    auto* grid = new QGridLayout(this);

    addBaseRow(grid, 0, {&form.SpeedButton1, &form.SpeedButton2, &form.SpeedButton3}, form.Label5,
               [&form](const TSpeedButton& b) { form.SpeedButton1Click(b); });

    struct Field {
        TLabel* label;
        TEdit* edit;
        TLabel* note;
    };
    int row = 1;
    for (const Field& f :
         {Field{&form.Label1, &form.Edit1, nullptr}, Field{&form.Label2, &form.Edit2, nullptr},
          Field{&form.Label3, &form.Edit3, nullptr}, Field{&form.Label6, &form.Edit5, &form.Label8},
          Field{&form.Label4, &form.Edit4, &form.Label9}}) {
        auto* l = new QLabel(this);
        bind_.label(*f.label, l);
        auto* e = new QLineEdit(this);
        makeBold(e);
        e->setAlignment(Qt::AlignCenter);
        if (f.edit == &form.Edit4)
            e->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
        bind_.edit(*f.edit, e);
        grid->addWidget(l, row, 0);
        grid->addWidget(e, row, 1);
        if (f.note) {
            auto* n = new QLabel(this);
            bind_.label(*f.note, n);
            grid->addWidget(n, row, 2);
        }
        ++row;
    }

    auto* note = new QLabel(this);
    bind_.label(form.Label7, note);
    grid->addWidget(note, row++, 0, 1, 3);
    auto* preview = new QLabel(this);
    preview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    preview->setAlignment(Qt::AlignCenter);
    preview->setMinimumWidth(300);
    makeBold(preview);
    bind_.label(form.StaticText1, preview);
    grid->addWidget(preview, row++, 0, 1, 3);

    addButtonRow(grid, row, 3,
                 {{&form.Button3, [&form] { form.Button1Click(form.Button3); }},
                  {&form.Button1, [&form] { form.Button1Click(form.Button1); }},
                  {&form.Button2, [&form] { form.Button2Click(); }}},
                 form.Button1);
}

}  // namespace tavor::gui
