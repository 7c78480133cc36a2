#pragma once

#include <QPointF>

#include "cadlink/sim/SimCad.h"

namespace tavor::gui {

// Maps drawing units to the view's pixels: the view's centre lies at the middle of the drawing
// area and its height fills that area's height; Y grows upwards in the drawing.
struct ViewTransform {
    cad::Point centre;
    double height = 1;
    int width = 1, drawHeight = 1;

    static ViewTransform of(const cad::sim::ViewState& view) {
        return {view.centre, view.height, view.pixelWidth, view.pixelHeight};
    }
    double scale() const { return drawHeight / height; }
    QPointF toScreen(const cad::Point& p) const {
        return {width / 2.0 + (p.x - centre.x) * scale(),
                drawHeight / 2.0 - (p.y - centre.y) * scale()};
    }
    cad::Point toWorld(const QPointF& s) const {
        return {centre.x + (s.x() - width / 2.0) / scale(),
                centre.y - (s.y() - drawHeight / 2.0) / scale(), 0};
    }
};

}  // namespace tavor::gui
