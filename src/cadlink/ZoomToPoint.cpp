#include "cadlink/ZoomToPoint.h"

#include <cmath>

#include "cadlink/CadError.h"

namespace tavor::cad {

namespace {

// The view window: the document window's first child's next sibling.
WindowId findViewWindow(Desktop& desktop, WindowId documentWindow) {
    if (documentWindow == 0)
        return 0;
    const WindowId firstChild = desktop.firstChildWindow(documentWindow);
    return firstChild == 0 ? 0 : desktop.nextSiblingWindow(firstChild);
}

void drawMarker(Desktop& desktop, WindowId view, int width, int height) {
    const int cx = width / 2;
    const int cy = (height - kViewHeightMargin) / 2;
    const int d = static_cast<int>(std::trunc(width * 0.05));
    const int e = static_cast<int>(std::trunc(width * 0.05 * 0.5));
    // A triangle whose tip touches the centre and which opens to the left.
    desktop.drawLines(view, kMarkerPen, {{cx, cy}, {cx - d, cy - e}, {cx - d, cy + e}, {cx, cy}});
}

}  // namespace

void ZoomToPoint(Desktop& desktop, Application& application, const Point& point) {
    try {
        const auto document = application.GetActiveDocument();
        const double viewHeight = AsDouble(document->GetSystemVariable(u"VIEWSIZE"));
        const WindowId view = findViewWindow(desktop, document->GetDocumentWindowHandle());
        const WindowRect rect =
            view ? desktop.windowRect(view).value_or(WindowRect{}) : WindowRect{};
        const int pixelWidth = rect.width();
        const int pixelHeight = rect.height() - kViewHeightMargin;
        // The CAD's floating-point division by zero raises: a view exactly 18 pixels high ends
        // the routine before the zoom.
        if (pixelHeight == 0)
            return;
        const double viewWidth = viewHeight / pixelHeight * pixelWidth;
        application.ZoomWindow({point.x - viewWidth / 2, point.y - viewHeight / 2, 0},
                               {point.x + viewWidth / 2, point.y + viewHeight / 2, 0});
        desktop.sleep(100);
        if (view != 0 && pixelWidth > 0 && pixelHeight > 0)
            drawMarker(desktop, view, pixelWidth, rect.height());
    } catch (const CadError&) {
        // The view stays wherever the CAD left it.
    }
}

}  // namespace tavor::cad
