#include "gui/GridTabPage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "attrgrid/GridLayout.h"
#include "gui/AttrGridDelegate.h"
#include "gui/GridView.h"
#include "gui/PageLayout.h"
#include "gui/PopupMenuBuilder.h"
#include "gui/QtText.h"
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
    const std::pair<TSpeedButton*, std::function<void()>> commands[] = {
        {&f.SpeedButton10, [&f] { f.SpeedButton10Click(); }},
        {&f.SpeedButton12, [&f] { f.SpeedButton12Click(); }},
        {&f.SpeedButton11, [&f] { f.SpeedButton11Click(); }},
        {&f.SpeedButton13, [&f] { f.SpeedButton13Click(); }},
    };
    for (const auto& [control, handler] : commands) {
        auto* button = speedButton(this);
        bind_.button(*control, button, [this, handler = handler] {
            handler();
            // The change state of every cell may have changed with attList.
            grid1_->viewport()->update();
        });
        r1->addWidget(button);
    }
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
    const std::pair<TSpeedButton*, std::function<void()>> sorts[] = {
        {&f.SpeedButton16, [&f] { f.N40Click(); }},
        {&f.SpeedButton17, [&f] { f.N41Click(); }},
        {&f.SpeedButton18, [&f] { f.N43Click(); }},
    };
    for (const auto& [control, handler] : sorts) {
        auto* button = speedButton(this);
        bind_.button(*control, button, handler);
        r3->addWidget(button);
    }

    addGrid();
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

// Rows 20 pixels high in Tahoma 13 px, the fixed row and column as headers, columns resizable,
// grid lines drawn, cells drawn and edited by the tab's rules.
void GridTabPage::addGrid() {
    grid1_ = new GridView(form_.StringGrid1, this);
    grid1_->setObjectName(QStringLiteral("StringGrid1"));
    QFont gridFont(qs(kGridFontFamily));
    gridFont.setPixelSize(kGridFontPixels);
    grid1_->setFont(gridFont);
    grid1_->setShowGrid(true);
    grid1_->setItemDelegate(new AttrGridDelegate(form_, grid1_));
    grid1_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid1_->installEventFilter(this);
    grid1_->viewport()->installEventFilter(this);
    bind_.watch<bool>(form_.StringGrid1Redraw, [this](const bool& on) {
        grid1_->viewport()->setUpdatesEnabled(on);
        if (on)
            grid1_->viewport()->update();
    });

    // The cell click runs whenever the current cell moves, and on a click that did not move it;
    // a move made by a command of the tab is refused by the gate, the command clicks itself.
    connect(grid1_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        movedSincePress_ = true;
        form_.StringGrid1Click();
    });
    connect(grid1_, &QAbstractItemView::clicked, this, [this] {
        if (!movedSincePress_)
            form_.StringGrid1Click();
    });
    // Header clicks select as the form says, after the view's own selection of the section.
    connect(grid1_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        form_.StringGrid1FixedCellClick(grid1_->gridModel().gridCol(section), 0);
    });
    connect(grid1_->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        form_.StringGrid1FixedCellClick(0, grid1_->gridModel().gridRow(section));
    });
    if (auto* corner = grid1_->findChild<QAbstractButton*>())
        connect(corner, &QAbstractButton::clicked, this,
                [this] { form_.StringGrid1FixedCellClick(0, 0); });
}

bool GridTabPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid1_ && event->type() == QEvent::KeyPress)
        return gridKey(static_cast<QKeyEvent*>(event));
    if (watched == grid1_->viewport()) {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
            type == QEvent::MouseButtonRelease)
            return gridMouse(type, static_cast<QMouseEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

// A key the tab handles goes to its key handler first. Enter is never consumed there: the
// grid's own Enter then opens the cell editor on the (perhaps new) current cell.
bool GridTabPage::gridKey(QKeyEvent* event) {
    KeyCode key = gridKeyCode(*event);
    if (key == 0)
        return false;
    const KeyCode pressed = key;
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    form_.StringGrid1KeyDown(key, ShiftState{shift, ctrl, false});
    grid1_->viewport()->update();
    if (key == kKeyConsumed)
        return true;
    if (pressed == vkReturn) {
        if (form_.StringGrid1.editing())
            grid1_->edit(grid1_->currentIndex());
        return true;
    }
    return false;
}

// The drag selection is the form's: a press starts it, a move with the button held extends it
// (the view's own drag selection is kept out), a release ends it.
bool GridTabPage::gridMouse(QEvent::Type type, QMouseEvent* event) {
    const QModelIndex at = grid1_->indexAt(event->position().toPoint());
    const int col = at.isValid() ? grid1_->gridModel().gridCol(at.column()) : -1;
    const int row = at.isValid() ? grid1_->gridModel().gridRow(at.row()) : -1;
    if (type == QEvent::MouseButtonPress) {
        movedSincePress_ = false;
        form_.StringGrid1MouseDown(col, row, event->button() == Qt::LeftButton);
        return false;
    }
    if (type == QEvent::MouseButtonRelease) {
        form_.StringGrid1MouseUp();
        return false;
    }
    if (!(event->buttons() & Qt::LeftButton))
        return false;
    form_.StringGrid1MouseMove(col, row);
    return true;
}

}  // namespace tavor::gui
