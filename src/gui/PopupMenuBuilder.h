#pragma once

#include <functional>
#include <vector>

#include "convert/PopupMenus.h"
#include "gui/Bindings.h"

class QMenu;
class QWidget;

namespace tavor::gui {

// The handler of a menu item, or an empty function for an item that only closes the menu.
using MenuHandlers = std::function<std::function<void()>(TMenuItem&)>;

// Builds a QMenu from a popup menu's entries, top to bottom, each action bound to its item.
// Captions are shown as they are: "&" is no accelerator here.
QMenu* buildPopupMenu(const std::vector<MenuEntry>& entries, Bindings& bind,
                      const MenuHandlers& handlers, QWidget* parent);

}  // namespace tavor::gui
