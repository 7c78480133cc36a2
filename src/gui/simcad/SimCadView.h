#pragma once

#include <memory>
#include <optional>
#include <set>
#include <vector>

#include <QWidget>

#include "cadlink/Desktop.h"
#include "cadlink/ZoomToPoint.h"
#include "cadlink/sim/Picker.h"
#include "cadlink/sim/SimCad.h"
#include "gui/simcad/ViewTransform.h"

class QEventLoop;

namespace tavor::gui {

// The simulated CAD's view window: it draws the drawing, pans with the middle button, zooms
// with the wheel, and lets a person pick entities while SelectOnScreen waits. Its lowest 18
// pixels are the layout tabs, as in the CAD, so the drawing area is that much lower.
class SimCadView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTabStripHeight = cad::kViewHeightMargin;

    SimCadView(std::shared_ptr<cad::sim::SimCad> cad, QWidget* parent);
    ~SimCadView() override;

    ViewTransform transform() const { return ViewTransform::of(cad_->view()); }
    // Shows the whole drawing (also a double click of the middle button, as in the CAD).
    void zoomExtents();

    // Blocks in a local event loop until the person ends the pick: Enter or a right click
    // accept it, Escape (or cancelPick) cancels it.
    std::optional<std::vector<cad::Handle>> pick(const cad::sim::PickRequest& request);
    bool isPicking() const { return loop_ != nullptr; }
    void cancelPick();

    // The marker stays until the view is next redrawn for a change of the view or the drawing.
    void showMarker(const cad::Pen& pen, const std::vector<cad::PixelPoint>& path);
    bool hasMarker() const { return marker_.has_value(); }

    // Where an entity shows, in this widget's pixels (empty when it is not in the drawing).
    QRectF boxOf(const cad::Handle& handle) const;

signals:
    void pickedCountChanged(int count);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Marker {
        cad::Pen pen;
        std::vector<cad::PixelPoint> path;
    };

    bool pickable(const cad::sim::EntityRecord& entity) const;
    std::optional<cad::sim::EntityId> entityAt(const QPointF& at) const;
    // Nothing is drawn there: a click starts a window, as in a CAD.
    bool isEmptySpace(const QPointF& at) const;
    void pickOne(cad::sim::EntityId id, bool remove);
    void pickInRectangle(const QRectF& rect, bool crossing, bool remove);
    void endPick(bool accepted);
    void redrawForChange();
    void paintTabStrip(QPainter& painter);

    std::shared_ptr<cad::sim::SimCad> cad_;
    Subscription drawingChanged_, viewChanged_;

    const cad::sim::PickRequest* request_ = nullptr;
    QEventLoop* loop_ = nullptr;
    std::vector<cad::sim::EntityId> picked_;  // in pick order
    std::set<cad::sim::EntityId> pickedSet_;
    std::optional<QPoint> pressAt_;
    // The first corner of a window picked as a CAD user does: a click on empty space, then a
    // second click; the band follows the mouse in between.
    std::optional<QPoint> windowFrom_;
    QPoint dragTo_;
    bool dragging_ = false;
    std::optional<QPoint> panFrom_;
    std::optional<cad::sim::EntityId> hovered_;
    std::optional<Marker> marker_;
};

}  // namespace tavor::gui
