#pragma once

#include <vector>

#include "convert/PopupMenus.h"
#include "gui/Bindings.h"

class QMenu;
class QWidget;

namespace tavor::gui {

// Builds a QMenu from a popup menu's entries, top to bottom, each action bound to its item and
// triggering the item's own command. Captions are shown as they are: "&" is no accelerator here.
QMenu* buildPopupMenu(const std::vector<MenuEntry>& entries, Bindings& bind, QWidget* parent);

}  // namespace tavor::gui
