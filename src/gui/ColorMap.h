#pragma once

#include <QColor>
#include <QPalette>

#include "ui/Color.h"

namespace tavor::gui {

// $00BBGGRR to a QColor; the system colours resolve to the application palette's role.
inline QColor toQColor(Color c, QPalette::ColorRole systemRole) {
    if (c == clWindow)
        return QPalette().color(QPalette::Base);
    if (c == clWindowText)
        return QPalette().color(systemRole);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

}  // namespace tavor::gui
