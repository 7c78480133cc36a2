#pragma once

#include <optional>
#include <set>

#include <QPainter>

#include "cadlink/sim/Drawing.h"
#include "gui/simcad/ViewTransform.h"

namespace tavor::gui {

struct PaintMarks {
    const std::set<cad::sim::EntityId>* picked = nullptr;
    std::optional<cad::sim::EntityId> hovered;
};

// Paints the drawing as the CAD shows it: its context shapes (lines, polylines, circles, arcs,
// read-only MTEXT), texts and block references (their figure and their attribute values) in their
// layers' colours, entities of locked layers dimmed, picked entities framed; and a legend of the
// layers with their locks.
void paintDrawing(QPainter& painter, const cad::sim::Drawing& drawing, const ViewTransform& view,
                  const PaintMarks& marks);

}  // namespace tavor::gui
