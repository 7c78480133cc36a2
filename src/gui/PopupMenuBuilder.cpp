#include "gui/PopupMenuBuilder.h"

#include <QMenu>

namespace tavor::gui {

namespace {

void addItem(QMenu* menu, TMenuItem& item, Bindings& bind) {
    if (item.caption.get() == u"-") {
        QAction* separator = menu->addSeparator();
        separator->setObjectName(QString::fromStdU16String(item.name));
        return;
    }
    QAction* action = menu->addAction(QString());
    bind.action(item, action, [&item] { item.click(); });
}

}  // namespace

QMenu* buildPopupMenu(const std::vector<MenuEntry>& entries, Bindings& bind, QWidget* parent) {
    auto* menu = new QMenu(parent);
    for (const MenuEntry& entry : entries) {
        if (entry.submenu.empty()) {
            addItem(menu, *entry.item, bind);
            continue;
        }
        QMenu* sub = menu->addMenu(QString());
        bind.action(*entry.item, sub->menuAction());
        for (TMenuItem* item : entry.submenu)
            addItem(sub, *item, bind);
    }
    return menu;
}

}  // namespace tavor::gui
