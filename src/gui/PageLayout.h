#pragma once

#include <initializer_list>

#include "gui/Bindings.h"

class QBoxLayout;
class QComboBox;
class QHBoxLayout;
class QToolButton;
class QVBoxLayout;
class QWidget;

namespace tavor::gui {

// The pieces every tab page is laid out with, tight as the small window needs.
QToolButton* speedButton(QWidget* parent);
QVBoxLayout* pageLayout(QWidget* page);
QHBoxLayout* row(QBoxLayout* into);
// A combo box that fits the window however long its items are: the box and its list show long
// items elided instead of growing past the window or across the screen.
QComboBox* fittingCombo(QWidget* parent, int minimumContentsLength);
// Bound controls in a row, left to right.
void addSpeedButtons(Bindings& bind, QHBoxLayout* row, std::initializer_list<Control*> controls);
void addCheckBoxes(Bindings& bind, QHBoxLayout* row, std::initializer_list<Control*> controls);

}  // namespace tavor::gui
