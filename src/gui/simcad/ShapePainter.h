#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "cadlink/sim/Drawing.h"
#include "gui/simcad/ViewTransform.h"

namespace tavor::gui {

// Paints a context shape (line, polyline, circle, arc, read-only text) placed at `origin`: the
// drawing's own shapes at the origin, a block's at its reference's insertion point.
void paintShape(QPainter& painter, const cad::sim::Shape& shape, const cad::Point& origin,
                const ViewTransform& view, const QColor& colour);

// The shape's box in drawing units (Y up), for zooming to the drawing's extents.
QRectF shapeBounds(const cad::sim::Shape& shape);

}  // namespace tavor::gui
