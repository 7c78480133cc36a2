#pragma once

#include <QFont>
#include <QRectF>

#include "cadlink/sim/Drawing.h"
#include "gui/simcad/ViewTransform.h"

namespace tavor::gui {

// Where a text shows: its font at the view's scale, its box and its baseline start, placed by
// its reference point and alignment code (left, centre, right; baseline, middle, top, bottom).
struct TextPlacement {
    QFont font;
    QRectF box;
    QPointF baselineStart;
};

TextPlacement placeText(const cad::sim::TextProps& text, const ViewTransform& view);

// The entity's box on screen: a text's box, or a block reference's figure with its attributes.
QRectF entityBox(const cad::sim::Drawing& drawing, const cad::sim::EntityRecord& entity,
                 const ViewTransform& view);

// Whether a view point touches what the entity draws, within `tolerance` pixels: a text's box,
// a block reference's lines and attribute texts (not the empty inside of its figure).
bool entityHit(const cad::sim::Drawing& drawing, const cad::sim::EntityRecord& entity,
               const ViewTransform& view, const QPointF& at, double tolerance);

}  // namespace tavor::gui
