#pragma once

#include "cadlink/Desktop.h"
#include "cadlink/Document.h"

namespace tavor::cad {

// Pixels of the view window's height that are not drawing (taken off in the view width and in
// the marker's centre).
inline constexpr int kViewHeightMargin = 18;
inline constexpr Pen kMarkerPen{3, 255, 100, 100};

// Moves the CAD view so that the point's X and Y lie at its centre, keeping the view height,
// and draws an arrow marker at the centre of the view window. Never raises: any failure ends it
// silently where the CAD left the view.
void ZoomToPoint(Desktop& desktop, Application& application, const Point& point);

}  // namespace tavor::cad
