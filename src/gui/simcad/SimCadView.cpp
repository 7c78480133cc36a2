#include "gui/simcad/SimCadView.h"

#include <cmath>

#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "gui/simcad/DrawingPainter.h"
#include "gui/simcad/EntityGeometry.h"
#include "gui/simcad/ShapePainter.h"

namespace tavor::gui {

namespace {
constexpr int kPickTolerance = 3;  // pixels around an entity's box that still hit it
constexpr int kDragThreshold = 4;  // pixels a press must move to become a window
constexpr double kWheelStep = 1.25;
}  // namespace

using cad::sim::EntityId;

SimCadView::SimCadView(std::shared_ptr<cad::sim::SimCad> cad, QWidget* parent)
    : QWidget(parent), cad_(std::move(cad)) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(200, 150);
    setAutoFillBackground(false);
    drawingChanged_ = cad_->drawing().changed.observe([this] { redrawForChange(); });
    viewChanged_ = cad_->viewChanged.observe([this] { redrawForChange(); });
}

SimCadView::~SimCadView() {
    cancelPick();
}

void SimCadView::zoomExtents() {
    const auto& d = cad_->drawing();
    QRectF box;
    const ViewTransform unit{{0, 0, 0}, 1, 1, 1};
    for (EntityId id : d.modelSpace())
        box = box.united(entityBox(d, d.live(id), unit));
    for (const auto& shape : d.shapes()) {
        const QRectF b = shapeBounds(shape);  // Y up: as a unit-transform box, Y flips
        box = box.united(QRectF(b.left(), -b.bottom(), b.width(), b.height()));
    }
    if (box.isNull())
        return;
    // In the unit transform screen Y is drawing −Y.
    const cad::Point low{box.left(), -box.bottom(), 0}, high{box.right(), -box.top(), 0};
    const double margin = std::max(high.x - low.x, high.y - low.y) * 0.05;
    cad_->zoomWindow({low.x - margin, low.y - margin, 0}, {high.x + margin, high.y + margin, 0});
}

std::optional<std::vector<cad::Handle>> SimCadView::pick(const cad::sim::PickRequest& request) {
    if (isPicking() || !isVisible())
        return std::nullopt;
    request_ = &request;
    picked_.clear();
    pickedSet_.clear();
    emit pickedCountChanged(0);
    setFocus();
    QEventLoop loop;
    loop_ = &loop;
    const bool accepted = loop.exec() == 1;
    loop_ = nullptr;
    request_ = nullptr;
    std::vector<cad::Handle> handles;
    for (EntityId id : picked_)
        handles.push_back(cad::sim::formatHandle(id));
    picked_.clear();
    pickedSet_.clear();
    hovered_.reset();
    dragging_ = false;
    pressAt_.reset();
    windowFrom_.reset();
    update();
    if (!accepted)
        return std::nullopt;
    return handles;
}

void SimCadView::cancelPick() {
    endPick(false);
}

void SimCadView::endPick(bool accepted) {
    if (loop_)
        loop_->exit(accepted ? 1 : 0);
}

void SimCadView::showMarker(const cad::Pen& pen, const std::vector<cad::PixelPoint>& path) {
    marker_ = Marker{pen, path};
    update();
}

QRectF SimCadView::boxOf(const cad::Handle& handle) const {
    const auto* e = cad_->drawing().find(handle);
    return e ? entityBox(cad_->drawing(), *e, transform()) : QRectF();
}

void SimCadView::redrawForChange() {
    marker_.reset();
    update();
}

bool SimCadView::pickable(const cad::sim::EntityRecord& e) const {
    return request_ && request_->accepts(e);
}

std::optional<EntityId> SimCadView::entityAt(const QPointF& at) const {
    const auto& d = cad_->drawing();
    const ViewTransform view = transform();
    const auto ids = d.modelSpace();
    // The entity drawn last lies on top.
    for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
        const auto& e = d.live(*it);
        if (!pickable(e))
            continue;
        const QRectF box =
            entityBox(d, e, view)
                .adjusted(-kPickTolerance, -kPickTolerance, kPickTolerance, kPickTolerance);
        if (box.contains(at))
            return *it;
    }
    return std::nullopt;
}

bool SimCadView::isEmptySpace(const QPointF& at) const {
    const auto& d = cad_->drawing();
    const ViewTransform view = transform();
    for (EntityId id : d.modelSpace())
        if (entityHit(d, d.live(id), view, at, kPickTolerance))
            return false;
    return true;
}

void SimCadView::pickOne(EntityId id, bool remove) {
    if (remove) {
        if (pickedSet_.erase(id))
            std::erase(picked_, id);
    } else if (pickedSet_.insert(id).second) {
        picked_.push_back(id);
    }
}

void SimCadView::pickInRectangle(const QRectF& rect, bool crossing, bool remove) {
    const auto& d = cad_->drawing();
    const ViewTransform view = transform();
    for (EntityId id : d.modelSpace()) {
        const auto& e = d.live(id);
        if (!pickable(e))
            continue;
        const QRectF box = entityBox(d, e, view);
        if (crossing ? rect.intersects(box) : rect.contains(box))
            pickOne(id, remove);
    }
}

void SimCadView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(33, 40, 48));
    PaintMarks marks{&pickedSet_, hovered_};
    paintDrawing(p, cad_->drawing(), transform(), marks);
    if (const std::optional<QPoint> from = dragging_ ? pressAt_ : windowFrom_) {
        const bool crossing = dragTo_.x() < from->x();
        QPen pen(QColor(200, 200, 255), 1, crossing ? Qt::DashLine : Qt::SolidLine);
        p.setPen(pen);
        p.setBrush(crossing ? QColor(80, 200, 80, 40) : QColor(80, 120, 255, 40));
        p.drawRect(QRect(*from, dragTo_).normalized());
    }
    if (marker_) {
        const auto& m = *marker_;
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor(m.pen.red, m.pen.green, m.pen.blue), m.pen.width, Qt::SolidLine));
        for (std::size_t i = 1; i < m.path.size(); ++i)
            p.drawLine(m.path[i - 1].x, m.path[i - 1].y, m.path[i].x, m.path[i].y);
    }
    paintTabStrip(p);
}

void SimCadView::paintTabStrip(QPainter& p) {
    const QRect strip(0, height() - kTabStripHeight, width(), kTabStripHeight);
    p.fillRect(strip, QColor(60, 63, 65));
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(QColor(230, 230, 230));
    p.drawText(strip.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("モデル    配置1    配置2"));
}

void SimCadView::resizeEvent(QResizeEvent*) {
    cad_->setViewPixelSize(width(), std::max(1, height() - kTabStripHeight));
}

void SimCadView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        panFrom_ = event->pos();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (!isPicking())
        return;
    if (event->button() == Qt::RightButton) {
        endPick(true);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        pressAt_ = event->pos();
        dragTo_ = event->pos();
        dragging_ = false;
    }
}

void SimCadView::mouseMoveEvent(QMouseEvent* event) {
    if (panFrom_) {
        const QPoint delta = event->pos() - *panFrom_;
        panFrom_ = event->pos();
        const ViewTransform view = transform();
        const cad::Point c = view.centre;
        cad_->setView({c.x - delta.x() / view.scale(), c.y + delta.y() / view.scale(), 0},
                      view.height);
        return;
    }
    if (!isPicking())
        return;
    if (pressAt_ || windowFrom_) {
        dragTo_ = event->pos();
        if (pressAt_ && !windowFrom_ && (dragTo_ - *pressAt_).manhattanLength() >= kDragThreshold)
            dragging_ = true;
        update();
        return;
    }
    const auto over = entityAt(event->position());
    if (over != hovered_) {
        hovered_ = over;
        update();
    }
}

void SimCadView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && panFrom_) {
        panFrom_.reset();
        unsetCursor();
        return;
    }
    if (!isPicking() || event->button() != Qt::LeftButton || !pressAt_)
        return;
    const bool remove = event->modifiers() & Qt::ShiftModifier;
    const std::optional<QPoint> from = dragging_ ? pressAt_ : windowFrom_;
    if (from) {
        const QRectF band = QRectF(QPointF(*from), QPointF(event->pos())).normalized();
        pickInRectangle(band, event->pos().x() < from->x(), remove);
        windowFrom_.reset();
    } else if (const auto id = entityAt(event->position())) {
        pickOne(*id, remove);
    } else if (isEmptySpace(event->position())) {
        windowFrom_ = event->pos();
        dragTo_ = event->pos();
    }
    pressAt_.reset();
    dragging_ = false;
    emit pickedCountChanged(static_cast<int>(picked_.size()));
    update();
}

void SimCadView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton)
        zoomExtents();
    else
        QWidget::mouseDoubleClickEvent(event);
}

void SimCadView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0)
        return;
    const ViewTransform view = transform();
    const cad::Point under = view.toWorld(event->position());
    const double height = view.height * std::pow(kWheelStep, -steps);
    // Keep the drawing point under the cursor where it is.
    const double ratio = height / view.height;
    cad_->setView({under.x + (view.centre.x - under.x) * ratio,
                   under.y + (view.centre.y - under.y) * ratio, 0},
                  height);
}

void SimCadView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            endPick(true);
            break;
        case Qt::Key_Escape:
            endPick(false);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace tavor::gui
