#include "gui/dialogs/AttDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>

#include "gui/QtText.h"

namespace tavor::gui {

AttDialog::AttDialog(TTavorAttForm& form, QWidget* parent)
    : ModalDialog(form, form.caption, parent) {
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    auto* grid = new QGridLayout(this);

    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("ListBox1"));
    list->setMinimumWidth(260);
    bindList(form.ListBox1, list);
    grid->addWidget(list, 0, 0, 1, 3);

    int row = 1;
    for (auto [label, edit] :
         {std::pair{&form.Label1, &form.Edit1}, std::pair{&form.Label2, &form.Edit2}}) {
        auto* l = new QLabel(this);
        bind_.label(*label, l);
        auto* e = new QLineEdit(this);
        e->setObjectName(qs(edit->name));
        bind_.edit(*edit, e);
        grid->addWidget(l, row, 0);
        grid->addWidget(e, row, 1);
        ++row;
    }
    auto* browse = new QToolButton(this);
    bind_.button(form.SpeedButton1, browse);
    grid->addWidget(browse, 1, 2);

    addButtonRow(grid, row, 3,
                 {{&form.Button1, [&form] { form.Button1Click(); }},
                  {&form.Button2, [&form] { form.Button2Click(); }},
                  {&form.Button3, [&form] { form.Button3Click(); }},
                  {&form.Button4, [&form] { form.Button4Click(); }},
                  {&form.Button5, [&form] { form.Button5Click(); }}},
                 form.Button4);
    connect(list, &QListWidget::itemClicked, this, [&form] { form.ListBox1Click(); });
}

// The entries and the selected one, both ways; a click also runs the list's click handler.
void AttDialog::bindList(TListBox& c, QListWidget* w) {
    bind_.watch<std::vector<std::u16string>>(c.items,
                                             [w, &c](const std::vector<std::u16string>& items) {
                                                 const QSignalBlocker block(w);
                                                 w->clear();
                                                 for (const auto& item : items)
                                                     w->addItem(qs(item));
                                                 w->setCurrentRow(c.itemIndex);
                                             });
    bind_.watch<int>(c.itemIndex, [w](const int& i) {
        const QSignalBlocker block(w);
        w->setCurrentRow(i);
    });
    connect(w, &QListWidget::currentRowChanged, this, [&c](int i) { c.itemIndex = i; });
}

}  // namespace tavor::gui
