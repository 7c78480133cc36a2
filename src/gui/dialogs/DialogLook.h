#pragma once

#include <QWidget>

namespace tavor::gui {

// The dialogs' emphasised fields and labels.
inline void makeBold(QWidget* w, double scale = 1.0) {
    QFont f = w->font();
    f.setBold(true);
    if (scale != 1.0)
        f.setPointSizeF(f.pointSizeF() * scale);
    w->setFont(f);
}

}  // namespace tavor::gui
