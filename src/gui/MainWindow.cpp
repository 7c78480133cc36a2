#include "gui/MainWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

#include "gui/ColorMap.h"
#include "gui/GridView.h"
#include "gui/LineEditorWidget.h"
#include "gui/PopupMenuBuilder.h"
#include "gui/QtText.h"
#include "shell/TTavorMainForm.h"

namespace tavor::gui {

namespace {

QToolButton* speedButton(QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(false);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return b;
}

QLineEdit* stepEdit(QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setAlignment(Qt::AlignRight);
    e->setAttribute(Qt::WA_InputMethodEnabled, false);  // the input method is switched off
    e->setFixedWidth(52);
    return e;
}

// A tab page's column of rows, tight as the small window needs.
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

}  // namespace

MainWindow::MainWindow(TTavorMainForm& form, LineEditorWidget& editor) : form_(form) {
    setObjectName(QStringLiteral("TTavorMainForm"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(12);
    setFont(f);
    bind_.watch<std::u16string>(form_.Caption,
                                [this](const std::u16string& t) { setWindowTitle(qs(t)); });

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    tabs_->addTab(buildTextTab(editor), QString());
    tabs_->addTab(buildGridTab(), QString());
    tabs_->addTab(buildSearchTab(), QString());
    bind_.tab(form_.TabSheet1, tabs_, 0);
    bind_.tab(form_.TabSheet2, tabs_, 1);
    bind_.tab(form_.TEST, tabs_, 2);
    bind_.watch<int>(form_.PageControl1.activePageIndex,
                     [this](const int& i) { tabs_->setCurrentIndex(i); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        form_.PageControl1.activePageIndex = i;
        form_.PageControl1Change();
    });
    setCentralWidget(tabs_);
    buildStatusBar();
    buildMenus(editor);

    bind_.watch<int>(form_.Left, [this](const int& x) {
        if (x != pos().x())
            move(x, pos().y());
    });
    bind_.watch<int>(form_.Top, [this](const int& y) {
        if (y != pos().y())
            move(pos().x(), y);
    });

    timer_.setInterval(form_.Timer1.interval);
    connect(&timer_, &QTimer::timeout, this, [this] { form_.Timer1Timer(); });
    bind_.watch<bool>(form_.Timer1.enabled, [this](const bool& on) {
        if (on && !timer_.isActive())
            timer_.start();
        if (!on)
            timer_.stop();
    });
    resize(TTavorMainForm::ClientWidth, TTavorMainForm::ClientHeight);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildTextTab(LineEditorWidget& editor) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto* v = pageLayout(page);
    TTavorMainForm& f = form_;

    auto* r1 = row(v);
    auto* text = speedButton(page);
    auto* update = speedButton(page);
    auto* align = speedButton(page);
    auto* cad = speedButton(page);
    bind_.button(f.SpeedButton1, text, [&f] { f.SpeedButton1Click(); });
    bind_.button(f.SpeedButton2, update, [&f] { f.SpeedButton2Click(); });
    bind_.button(f.SpeedButton6, align, [&f] { f.SpeedButton6Click(); });
    bind_.button(f.SpeedButton7, cad);
    r1->addWidget(text);
    r1->addWidget(update);
    r1->addWidget(align);
    r1->addStretch();
    r1->addWidget(cad);

    auto* r2 = row(v);
    auto* dX = stepEdit(page);
    auto* dY = stepEdit(page);
    for (auto [label, control, edit] :
         {std::tuple{&f.Label3, &f.Edit1, dX}, std::tuple{&f.Label4, &f.Edit2, dY}}) {
        auto* l = new QLabel(page);
        bind_.label(*label, l);
        bind_.edit(*control, edit);
        bind_.watch<Color>(control->textColor, [edit](const Color& c) {
            QPalette p = edit->palette();
            p.setColor(QPalette::Text, toQColor(c, QPalette::Text));
            edit->setPalette(p);
        });
        r2->addWidget(l);
        r2->addWidget(edit);
    }
    connect(dX, &QLineEdit::returnPressed, this, [&f] { f.Edit1KeyPress(u'\r'); });
    connect(dY, &QLineEdit::returnPressed, this, [&f] { f.Edit2KeyPress(u'\r'); });
    focusRequest_ = f.focusRequested.observe([&f, dX, dY](const Control* c) {
        if (c == &f.Edit1)
            dX->setFocus();
        if (c == &f.Edit2)
            dY->setFocus();
    });
    r2->addStretch();
    auto* stop = speedButton(page);
    auto* undo = speedButton(page);
    bind_.button(f.SpeedButton5, stop, [&f] { f.SpeedButton5Click(); });
    bind_.button(f.SpeedButton4, undo, [&f] { f.SpeedButton4Click(); });
    r2->addWidget(stop);
    r2->addWidget(undo);

    auto* r3 = row(v);
    auto* attr = speedButton(page);
    auto* combo = new QComboBox(page);
    combo->setEditable(true);
    combo->setMaxVisibleItems(16);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(8);
    combo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto* dots = speedButton(page);
    bind_.button(f.SpeedButton8, attr, [&f] { f.SpeedButton8Click(); });
    bind_.combo(f.ComboBox1, combo);
    bind_.button(f.SpeedButton9, dots);
    r3->addWidget(attr);
    r3->addWidget(combo, 1);
    r3->addWidget(dots);

    auto* r4 = row(v);
    auto* label1 = new QLabel(page);
    auto* label2 = new QLabel(page);
    label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bind_.label(f.Label1, label1);
    bind_.label(f.Label2, label2);
    r4->addWidget(label1, 1);
    r4->addWidget(label2, 1);

    auto* r5 = row(v);
    auto* sort = new QCheckBox(page);
    auto* pan = new QCheckBox(page);
    auto* selectAll = speedButton(page);
    bind_.checkBox(f.CheckBox1, sort);
    bind_.checkBox(f.CheckBox9, pan);
    bind_.button(f.SpeedButton3, selectAll, [&f] { f.SpeedButton3Click(); });
    r5->addWidget(sort);
    r5->addWidget(pan);
    r5->addStretch();
    r5->addWidget(selectAll);

    editor.setParent(page);
    v->addWidget(&editor, 1);
    // A click and a key release on a line show its entity; nothing is typed in during a run.
    editor.onClick = [&f, &editor] { f.CaretYChanged(editor.caretY()); };
    editor.onKeyUp = [&f, &editor] { f.CaretYChanged(editor.caretY()); };
    bind_.watch<bool>(f.commandRunning,
                      [&editor](const bool& running) { editor.setReadOnly(running); });
    bind_.watch<Color>(f.SynEdit1Color, [&editor](const Color& c) {
        QPalette p = editor.palette();
        p.setColor(QPalette::Base, toQColor(c, QPalette::Base));
        editor.setPalette(p);
    });
    return page;
}

QWidget* MainWindow::buildGridTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto* v = pageLayout(page);
    TTavorMainForm& f = form_;

    auto* combo = new QComboBox(page);
    combo->setMaxVisibleItems(16);
    // The groups are long lines: the list shows them whole, the box itself fits the window.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(12);
    combo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    bind_.combo(f.ComboBox2, combo);
    v->addWidget(combo);

    auto* r1 = row(v);
    addSpeedButtons(r1, {&f.SpeedButton10, &f.SpeedButton12, &f.SpeedButton11, &f.SpeedButton13});
    r1->addStretch();
    auto* pan = new QCheckBox(page);
    bind_.checkBox(f.CheckBox6, pan);
    r1->addWidget(pan);

    auto* r2 = row(v);
    addCheckBoxes(r2, {&f.CheckBox2, &f.CheckBox7});
    r2->addStretch();

    auto* label9 = new QLabel(page);
    bind_.label(f.Label9, label9);
    v->addWidget(label9);

    auto* r3 = row(v);
    auto* label5 = new QLabel(page);
    label5->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bind_.label(f.Label5, label5);
    r3->addWidget(label5, 1);
    addSpeedButtons(r3, {&f.SpeedButton16, &f.SpeedButton17, &f.SpeedButton18});

    grid1_ = new GridView(f.StringGrid1, page);
    grid1_->setObjectName(QStringLiteral("StringGrid1"));
    QFont gridFont(QStringLiteral("Tahoma"));
    gridFont.setPixelSize(13);
    grid1_->setFont(gridFont);
    v->addWidget(grid1_, 1);

    auto* progress = new QProgressBar(page);
    progress->setTextVisible(false);
    progress->setFixedHeight(10);
    bind_.progress(f.ProgressBar1, progress);
    v->addWidget(progress);
    return page;
}

QWidget* MainWindow::buildSearchTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TEST"));
    auto* v = pageLayout(page);
    TTavorMainForm& f = form_;

    auto* r1 = row(v);
    auto* label7 = new QLabel(page);
    auto* label8 = new QLabel(page);
    bind_.label(f.Label7, label7);
    bind_.label(f.Label8, label8);
    r1->addWidget(label7);
    r1->addStretch();
    r1->addWidget(label8);

    auto* r2 = row(v);
    auto* edit3 = new QLineEdit(page);
    edit3->setToolTip(qs(f.Edit3Hint));
    edit3->setPlaceholderText(qs(f.Edit3Hint));
    bind_.edit(f.Edit3, edit3);
    r2->addWidget(edit3, 1);
    addSpeedButtons(r2, {&f.SpeedButton14, &f.SpeedButton15});

    auto* r3 = row(v);
    auto* label6 = new QLabel(page);
    label6->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bind_.label(f.Label6, label6);
    r3->addWidget(label6, 1);

    auto* r4 = row(v);
    addCheckBoxes(r4, {&f.CheckBox3, &f.CheckBox4, &f.CheckBox8, &f.CheckBox5});
    r4->addStretch();

    grid2_ = new GridView(f.StringGrid2, page);
    grid2_->setObjectName(QStringLiteral("StringGrid2"));
    grid2_->onViewportWidth = [this](int width) {
        form_.StringGrid2Width = width;
        form_.FormResize();
    };
    v->addWidget(grid2_, 1);
    return page;
}

void MainWindow::addSpeedButtons(QHBoxLayout* row, std::initializer_list<Control*> controls) {
    for (Control* c : controls) {
        auto* b = speedButton(row->parentWidget());
        bind_.button(*c, b);
        row->addWidget(b);
    }
}

void MainWindow::addCheckBoxes(QHBoxLayout* row, std::initializer_list<Control*> controls) {
    for (Control* c : controls) {
        auto* b = new QCheckBox(row->parentWidget());
        bind_.checkBox(*c, b);
        row->addWidget(b);
    }
}

void MainWindow::buildStatusBar() {
    auto* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < form_.StatusBar1.panels.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        panel->setFixedWidth(form_.StatusBar1.widths[i]);
        bar->addWidget(panel);
        bind_.watch<std::u16string>(form_.StatusBar1.panels[i],
                                    [panel](const std::u16string& t) { panel->setText(qs(t)); });
    }
}

void MainWindow::buildMenus(LineEditorWidget& editor) {
    TTavorMainForm& f = form_;
    EditorCommands& c = f.editorCommands();
    TPopupMenu1& m1 = f.PopupMenu1;
    const std::vector<std::pair<TMenuItem*, std::function<void()>>> editorHandlers = {
        {&m1.N20, [&c] { c.N20Click(); }}, {&m1.N10, [&c] { c.N10Click(); }},
        {&m1.N11, [&c] { c.N11Click(); }}, {&m1.N12, [&c] { c.N12Click(); }},
        {&m1.N1, [&c] { c.N1Click(); }},   {&m1.N2, [&c] { c.N2Click(); }},
        {&m1.N4, [&c] { c.N4Click(); }},   {&m1.N5, [&c] { c.N5Click(); }},
        {&m1.N28, [&c] { c.N28Click(); }}, {&m1.N7, [&c] { c.N7Click(); }},
        {&m1.N8, [&c] { c.N8Click(); }},   {&m1.N14, [&c] { c.N14Click(); }},
        {&m1.N15, [&c] { c.N15Click(); }}, {&m1.N17, [&c] { c.N17Click(); }},
        {&m1.N25, [&c] { c.N25Click(); }}, {&m1.AG3, [&f] { f.AG3Click(); }},
        {&m1.AG4, [&f] { f.AG4Click(); }},
    };
    const std::vector<TMenuItem*> otherConversions = {&m1.N23,  &m1.N24,  &m1.N091, &m1.N092,
                                                      &m1.N094, &m1.N093, &m1.AZ1,  &m1.AZ2,
                                                      &m1.N27,  &m1.N26};
    popupMenu1_ = buildPopupMenu(
        m1.entries, bind_,
        [&](TMenuItem& item) -> std::function<void()> {
            for (const auto& [menuItem, handler] : editorHandlers)
                if (menuItem == &item)
                    return handler;
            if (std::find(otherConversions.begin(), otherConversions.end(), &item) !=
                otherConversions.end())
                return [&c, &item] { c.N23Click(item); };
            return {};  // "取り消し" only closes the menu
        },
        this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    editor.onContextMenu = [this](QPoint at) {
        if (form_.commandRefused())
            return;
        form_.PopupMenu1Popup();
        popupMenu1_->exec(at);
    };

    TPopupMenu2& m2 = f.PopupMenu2;
    popupMenu2_ = buildPopupMenu(
        m2.entries, bind_,
        [&](TMenuItem& item) -> std::function<void()> {
            if (&item == &m2.AG1)
                return [&f] { f.AG1Click(); };
            if (&item == &m2.AG2)
                return [&f] { f.AG2Click(); };
            return {};
        },
        this);
    popupMenu2_->setObjectName(QStringLiteral("PopupMenu2"));
    grid1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid1_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { popupMenu2_->exec(grid1_->viewport()->mapToGlobal(at)); });

    // The editor's own copy and cut keys are removed; Ctrl+C, Ctrl+X and Ctrl+Enter reach the
    // form only.
    editor.onCtrlKey = [&f](char16_t key) { f.SynEdit1KeyPress(key, true); };
}

void MainWindow::closeEvent(QCloseEvent* event) {
    form_.FormCloseQuery();  // it never refuses
    event->accept();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    form_.Left = pos().x();
    form_.Top = pos().y();
}

}  // namespace tavor::gui
