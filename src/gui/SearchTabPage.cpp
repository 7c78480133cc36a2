#include "gui/SearchTabPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/GridView.h"
#include "gui/PageLayout.h"
#include "gui/QtText.h"
#include "shell/TTavorMainForm.h"

namespace tavor::gui {

SearchTabPage::SearchTabPage(TTavorMainForm& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName(QStringLiteral("TEST"));
    auto* v = pageLayout(this);
    TTavorMainForm& f = form_;

    auto* r1 = row(v);
    auto* label7 = new QLabel(this);
    auto* label8 = new QLabel(this);
    bind_.label(f.Label7, label7);
    bind_.label(f.Label8, label8);
    r1->addWidget(label7);
    r1->addStretch();
    r1->addWidget(label8);

    auto* r2 = row(v);
    auto* edit3 = new QLineEdit(this);
    edit3->setToolTip(qs(f.Edit3Hint));
    edit3->setPlaceholderText(qs(f.Edit3Hint));
    bind_.edit(f.Edit3, edit3);
    r2->addWidget(edit3, 1);
    addSpeedButtons(bind_, r2, {&f.SpeedButton14, &f.SpeedButton15});

    auto* r3 = row(v);
    auto* label6 = new QLabel(this);
    label6->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bind_.label(f.Label6, label6);
    r3->addWidget(label6, 1);

    auto* r4 = row(v);
    addCheckBoxes(bind_, r4, {&f.CheckBox3, &f.CheckBox4, &f.CheckBox8, &f.CheckBox5});
    r4->addStretch();

    grid2_ = new GridView(f.StringGrid2, this);
    grid2_->setObjectName(QStringLiteral("StringGrid2"));
    grid2_->onViewportWidth = [this](int width) {
        form_.StringGrid2Width = width;
        form_.FormResize();
    };
    v->addWidget(grid2_, 1);
}

}  // namespace tavor::gui
