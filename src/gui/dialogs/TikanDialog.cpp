#include "gui/dialogs/TikanDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/dialogs/DialogLook.h"

namespace tavor::gui {

TikanDialog::TikanDialog(TTavorTikanForm& form, QWidget* parent)
    : ModalDialog(form, form.caption, parent) {
    setWindowFlag(Qt::Tool, true);
    auto* grid = new QGridLayout(this);
    auto* ignoreCase = new QCheckBox(this);
    bind_.checkBox(form.CheckBox1, ignoreCase);
    grid->addWidget(ignoreCase, 0, 1);

    int row = 1;
    for (auto [label, edit] :
         {std::pair{&form.Label1, &form.Edit1}, std::pair{&form.Label2, &form.Edit2}}) {
        auto* l = new QLabel(this);
        bind_.label(*label, l);
        auto* e = new QLineEdit(this);
        makeBold(e);
        e->setMinimumWidth(260);
        bind_.edit(*edit, e);
        grid->addWidget(l, row, 0);
        grid->addWidget(e, row, 1);
        ++row;
    }

    addButtonRow(grid, row, 2,
                 {{&form.Button1, [&form] { form.Button1Click(); }},
                  {&form.Button2, [&form] { form.Button2Click(); }}},
                 form.Button1);
}

}  // namespace tavor::gui
