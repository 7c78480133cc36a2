#include "gui/PageLayout.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace tavor::gui {

QToolButton* speedButton(QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(false);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return b;
}

QVBoxLayout* pageLayout(QWidget* page) {
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(3, 3, 3, 3);
    v->setSpacing(2);
    return v;
}

QHBoxLayout* row(QBoxLayout* into) {
    auto* r = new QHBoxLayout;
    r->setSpacing(2);
    into->addLayout(r);
    return r;
}

namespace {

// Some styles widen a drop-down list's popup to its longest item; this one keeps it to the box.
class FittingComboBox final : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override {
        QComboBox::showPopup();
        QWidget* popup = view()->window();
        if (popup == window() || popup->width() <= width())
            return;
        popup->resize(width(), popup->height());
        popup->move(mapToGlobal(QPoint(0, 0)).x(), popup->y());
    }
};

}  // namespace

QComboBox* fittingCombo(QWidget* parent, int minimumContentsLength) {
    auto* combo = new FittingComboBox(parent);
    combo->setMaxVisibleItems(16);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(minimumContentsLength);
    combo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    // The list is as wide as the box; a long line ends in "..." rather than running off screen.
    combo->view()->setTextElideMode(Qt::ElideRight);
    combo->view()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return combo;
}

void addSpeedButtons(Bindings& bind, QHBoxLayout* row, std::initializer_list<Control*> controls) {
    for (Control* c : controls) {
        auto* b = speedButton(row->parentWidget());
        bind.button(*c, b);
        row->addWidget(b);
    }
}

void addCheckBoxes(Bindings& bind, QHBoxLayout* row, std::initializer_list<Control*> controls) {
    for (Control* c : controls) {
        auto* b = new QCheckBox(row->parentWidget());
        bind.checkBox(*c, b);
        row->addWidget(b);
    }
}

}  // namespace tavor::gui
