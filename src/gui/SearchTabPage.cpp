#include "gui/SearchTabPage.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QValidator>

#include "gui/GridView.h"
#include "gui/HitGridDelegate.h"
#include "gui/PageLayout.h"
#include "gui/QtText.h"
#include "shell/TTavorMainForm.h"

namespace tavor::gui {

namespace {

// Upper-cases what is typed into the edit, in place, while its control asks for upper case. A
// validator sees only committed text, so an input method's composition is left alone, and the
// caret stays where it was.
class UpperCaseValidator final : public QValidator {
public:
    UpperCaseValidator(const Control& control, QObject* parent)
        : QValidator(parent), control_(control) {}
    State validate(QString& input, int&) const override {
        if (control_.upperCase.get())
            input = input.toUpper();
        return Acceptable;
    }

private:
    const Control& control_;
};

}  // namespace

SearchTabPage::SearchTabPage(TTavorMainForm& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName(QStringLiteral("TEST"));
    auto* v = pageLayout(this);
    addPattern(v);
    addGrid(v);
}

void SearchTabPage::addPattern(QBoxLayout* page) {
    TTavorMainForm& f = form_;
    auto* r1 = row(page);
    auto* label7 = new QLabel(this);
    auto* label8 = new QLabel(this);
    bind_.label(f.Label7, label7);
    bind_.label(f.Label8, label8);
    r1->addWidget(label7);
    r1->addStretch();
    r1->addWidget(label8);

    auto* r2 = row(page);
    auto* edit3 = new QLineEdit(this);
    edit3->setToolTip(qs(f.Edit3Hint));
    edit3->setPlaceholderText(qs(f.Edit3Hint));
    edit3->setValidator(new UpperCaseValidator(f.Edit3, edit3));
    bind_.edit(f.Edit3, edit3);
    connect(edit3, &QLineEdit::returnPressed, this, [&f] { f.Edit3KeyPress(u'\r'); });
    r2->addWidget(edit3, 1);
    auto* search = speedButton(this);
    auto* update = speedButton(this);
    bind_.button(f.SpeedButton14, search, [&f] { f.SpeedButton14Click(); });
    bind_.button(f.SpeedButton15, update, [&f] { f.SpeedButton15Click(); });
    r2->addWidget(search);
    r2->addWidget(update);

    auto* r3 = row(page);
    auto* label6 = new QLabel(this);
    label6->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bind_.label(f.Label6, label6);
    r3->addWidget(label6, 1);

    auto* r4 = row(page);
    auto* prefix = new QCheckBox(this);
    auto* upper = new QCheckBox(this);
    bind_.checkBox(f.CheckBox3, prefix, [&f] { f.CheckBox3Click(); });
    bind_.checkBox(f.CheckBox4, upper, [&f] { f.CheckBox4Click(); });
    r4->addWidget(prefix);
    r4->addWidget(upper);
    addCheckBoxes(bind_, r4, {&f.CheckBox8, &f.CheckBox5});
    r4->addStretch();
}

// One column as wide as the grid, rows 20 pixels high, no headers, range selection, editable.
void SearchTabPage::addGrid(QBoxLayout* page) {
    grid2_ = new GridView(form_.StringGrid2, this);
    grid2_->setObjectName(QStringLiteral("StringGrid2"));
    grid2_->setItemDelegate(new HitGridDelegate(form_, grid2_));
    grid2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid2_->onViewportWidth = [this](int width) {
        form_.StringGrid2Width = width;
        form_.FormResize();
    };
    grid2_->installEventFilter(this);
    grid2_->viewport()->installEventFilter(this);
    // The row selection runs whenever the current cell moves, and on a click that did not move
    // it; a move made by a command of the tab is refused by the gate, the command selects itself.
    connect(grid2_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                // A model reset (a new list, a new column width) leaves no current cell.
                if (!current.isValid())
                    return;
                movedSincePress_ = true;
                form_.StringGrid2Click();
            });
    connect(grid2_, &QAbstractItemView::clicked, this, [this] {
        if (!movedSincePress_)
            form_.StringGrid2Click();
    });
    page->addWidget(grid2_, 1);
}

bool SearchTabPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid2_->viewport() && event->type() == QEvent::MouseButtonPress)
        movedSincePress_ = false;
    if (watched == grid2_ && event->type() == QEvent::KeyPress)
        return gridKey(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

// A key the tab handles goes to its key handler first. Enter is never consumed there: the
// grid's own Enter then opens the cell editor on the (perhaps new) current cell.
bool SearchTabPage::gridKey(QKeyEvent* event) {
    KeyCode key = gridKeyCode(*event);
    if (key == 0)
        return false;
    const KeyCode pressed = key;
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    form_.StringGrid2KeyDown(key, ShiftState{shift, ctrl, false});
    if (key == kKeyConsumed)
        return true;
    if (pressed == vkReturn) {
        grid2_->edit(grid2_->currentIndex());
        return true;
    }
    return false;
}

}  // namespace tavor::gui
