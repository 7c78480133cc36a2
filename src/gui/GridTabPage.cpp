#include "gui/GridTabPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QVBoxLayout>

#include "gui/GridView.h"
#include "gui/PageLayout.h"
#include "gui/PopupMenuBuilder.h"
#include "shell/TTavorMainForm.h"

namespace tavor::gui {

GridTabPage::GridTabPage(TTavorMainForm& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName(QStringLiteral("TabSheet2"));
    auto* v = pageLayout(this);
    TTavorMainForm& f = form_;

    auto* combo = fittingCombo(this, 12);
    bind_.combo(f.ComboBox2, combo);
    v->addWidget(combo);

    auto* r1 = row(v);
    addSpeedButtons(bind_, r1,
                    {&f.SpeedButton10, &f.SpeedButton12, &f.SpeedButton11, &f.SpeedButton13});
    r1->addStretch();
    auto* pan = new QCheckBox(this);
    bind_.checkBox(f.CheckBox6, pan);
    r1->addWidget(pan);

    auto* r2 = row(v);
    addCheckBoxes(bind_, r2, {&f.CheckBox2, &f.CheckBox7});
    r2->addStretch();

    auto* label9 = new QLabel(this);
    bind_.label(f.Label9, label9);
    v->addWidget(label9);

    auto* r3 = row(v);
    auto* label5 = new QLabel(this);
    label5->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bind_.label(f.Label5, label5);
    r3->addWidget(label5, 1);
    addSpeedButtons(bind_, r3, {&f.SpeedButton16, &f.SpeedButton17, &f.SpeedButton18});

    grid1_ = new GridView(f.StringGrid1, this);
    grid1_->setObjectName(QStringLiteral("StringGrid1"));
    QFont gridFont(QStringLiteral("Tahoma"));
    gridFont.setPixelSize(13);
    grid1_->setFont(gridFont);
    v->addWidget(grid1_, 1);

    auto* progress = new QProgressBar(this);
    progress->setTextVisible(false);
    progress->setFixedHeight(10);
    bind_.progress(f.ProgressBar1, progress);
    v->addWidget(progress);

    popupMenu2_ = buildPopupMenu(f.PopupMenu2.entries, bind_, this);
    popupMenu2_->setObjectName(QStringLiteral("PopupMenu2"));
    grid1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid1_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { popupMenu2_->exec(grid1_->viewport()->mapToGlobal(at)); });
}

}  // namespace tavor::gui
