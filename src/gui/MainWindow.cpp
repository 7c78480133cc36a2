#include "gui/MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

#include "gui/GridTabPage.h"
#include "gui/QtText.h"
#include "gui/SearchTabPage.h"
#include "gui/TextTabPage.h"
#include "shell/TTavorMainForm.h"

namespace tavor::gui {

MainWindow::MainWindow(TTavorMainForm& form, LineEditorWidget& editor) : form_(form) {
    setObjectName(QStringLiteral("TTavorMainForm"));
    // System menu and minimise only: no maximise button.
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
    textPage_ = new TextTabPage(form_, editor);
    gridPage_ = new GridTabPage(form_);
    searchPage_ = new SearchTabPage(form_);
    tabs_->addTab(textPage_, QString());
    tabs_->addTab(gridPage_, QString());
    tabs_->addTab(searchPage_, QString());
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

    bind_.watch<int>(form_.Left, [this](const int&) {
        if (placed_ && form_.Left != frameGeometry().x())
            placeFrame();
    });
    bind_.watch<int>(form_.Top, [this](const int&) {
        if (placed_ && form_.Top != frameGeometry().y())
            placeFrame();
    });

    timer_.setInterval(form_.Timer1.interval);
    connect(&timer_, &QTimer::timeout, this, [this] { form_.Timer1Timer(); });
    bind_.watch<bool>(form_.Timer1.enabled, [this](const bool& on) {
        if (on && !timer_.isActive())
            timer_.start();
        if (!on)
            timer_.stop();
    });
    // A fixed size: window managers that ignore the missing maximise hint (openbox among them)
    // offer no maximise button for a window that cannot be resized.
    setFixedSize(QSize(TTavorMainForm::ClientWidth, TTavorMainForm::ClientHeight)
                     .expandedTo(minimumSizeHint()));
    move(form_.Left, form_.Top);
    placing_.setInterval(kPlacingInterval);
    connect(&placing_, &QTimer::timeout, this, &MainWindow::placeOnceFramed);
}

MainWindow::~MainWindow() = default;

GridView* MainWindow::grid1() const {
    return gridPage_->grid1();
}
GridView* MainWindow::grid2() const {
    return searchPage_->grid2();
}
QMenu* MainWindow::popupMenu1() const {
    return textPage_->popupMenu1();
}
QMenu* MainWindow::popupMenu2() const {
    return gridPage_->popupMenu2();
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

void MainWindow::placeFrame() {
    QPoint at(form_.Left, form_.Top);
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen) {
        // Off every screen (a monitor unplugged since): onto the primary screen's work area.
        const QScreen* primary = QGuiApplication::primaryScreen();
        if (primary)
            at = primary->availableGeometry().topLeft();
    }
    // move() places the frame's top-left once the window manager has framed the window.
    move(at);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_ || placing_.isActive())
        return;
    // The frame is known only once the window manager has framed the shown window, which it
    // tells a moment later: place the frame then, so that the saved frame corner and the
    // restored one are the same point. Without a frame (no window manager) it is placed anyway.
    placingTries_ = 0;
    placing_.start();
}

void MainWindow::placeOnceFramed() {
    const bool framed = frameGeometry().topLeft() != geometry().topLeft();
    if (!framed && ++placingTries_ < kPlacingTries)
        return;
    placing_.stop();
    placed_ = true;
    placeFrame();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    form_.FormCloseQuery();  // it never refuses
    event->accept();
    emit closed();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (!placed_)
        return;
    const QPoint frame = frameGeometry().topLeft();
    form_.Left = frame.x();
    form_.Top = frame.y();
}

}  // namespace tavor::gui
