#include "gui/simcad/QtDesktop.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

#include "gui/QtText.h"
#include "gui/simcad/SimCadView.h"

namespace tavor::gui {

namespace {

// The QWidget children of a widget, in the order they were made.
QList<QWidget*> childWidgets(const QWidget* w) {
    return w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

cad::WindowId QtDesktop::idOf(QWidget* widget) {
    if (!widget)
        return 0;
    for (const auto& [id, w] : widgets_)
        if (w == widget)
            return id;
    const cad::WindowId id = nextId_++;
    widgets_[id] = widget;
    return id;
}

QWidget* QtDesktop::widgetOf(cad::WindowId id) const {
    const auto it = widgets_.find(id);
    return it == widgets_.end() ? nullptr : it->second.data();
}

cad::WindowId QtDesktop::findTopLevelWindow(const std::u16string& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == qs(title))
            return idOf(w);
    return 0;
}

bool QtDesktop::isMinimised(cad::WindowId window) {
    const QWidget* w = widgetOf(window);
    return w && w->isMinimized();
}

void QtDesktop::restoreWindow(cad::WindowId window) {
    if (QWidget* w = widgetOf(window))
        w->showNormal();
}

void QtDesktop::minimiseProgramWindow() {
    if (program_)
        program_->showMinimized();
}

void QtDesktop::restoreProgramWindow() {
    if (program_)
        program_->showNormal();
}

cad::WindowId QtDesktop::foregroundWindow() {
    return idOf(QApplication::activeWindow());
}

void QtDesktop::setForegroundWindow(cad::WindowId window) {
    if (QWidget* w = widgetOf(window)) {
        w->raise();
        w->activateWindow();
    }
}

cad::ThreadId QtDesktop::windowThread(cad::WindowId window) {
    return widgetOf(window) ? 1 : 0;
}

void QtDesktop::bringWindowToTop(cad::WindowId window) {
    if (QWidget* w = widgetOf(window))
        w->raise();
}

void QtDesktop::sendEscapeKey(cad::KeyAction action) {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target)
        return;
    // Delivered at once, so that it cancels what runs now and not a pick that starts later.
    QKeyEvent key(action == cad::KeyAction::Down ? QEvent::KeyPress : QEvent::KeyRelease,
                  Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &key);
}

void QtDesktop::sleep(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

cad::WindowId QtDesktop::firstChildWindow(cad::WindowId window) {
    const QWidget* w = widgetOf(window);
    if (!w)
        return 0;
    const auto children = childWidgets(w);
    return children.isEmpty() ? 0 : idOf(children.first());
}

cad::WindowId QtDesktop::nextSiblingWindow(cad::WindowId window) {
    QWidget* w = widgetOf(window);
    if (!w || !w->parentWidget())
        return 0;
    const auto siblings = childWidgets(w->parentWidget());
    const auto at = siblings.indexOf(w);
    return at + 1 < siblings.size() ? idOf(siblings[at + 1]) : 0;
}

std::optional<cad::WindowRect> QtDesktop::windowRect(cad::WindowId window) {
    const QWidget* w = widgetOf(window);
    if (!w)
        return std::nullopt;
    const QRect r =
        w->isWindow() ? w->frameGeometry() : QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    return cad::WindowRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void QtDesktop::drawLines(cad::WindowId window, const cad::Pen& pen,
                          const std::vector<cad::PixelPoint>& path) {
    if (auto* view = qobject_cast<SimCadView*>(widgetOf(window)))
        view->showMarker(pen, path);
}

}  // namespace tavor::gui
