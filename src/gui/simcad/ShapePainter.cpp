#include "gui/simcad/ShapePainter.h"

#include <QPainterPath>
#include <QPolygonF>

#include "gui/QtText.h"

namespace tavor::gui {

using cad::sim::Shape;

namespace {

cad::Point at(const cad::Point& origin, const cad::Point& p) {
    return {origin.x + p.x, origin.y + p.y, 0};
}

}  // namespace

void paintShape(QPainter& p, const Shape& s, const cad::Point& origin, const ViewTransform& view,
                const QColor& colour) {
    p.setPen(QPen(colour, 1));
    p.setBrush(Qt::NoBrush);
    switch (s.kind) {
        case Shape::Kind::Polyline: {
            QPolygonF line;
            for (const cad::Point& point : s.points)
                line << view.toScreen(at(origin, point));
            p.drawPolyline(line);
            break;
        }
        case Shape::Kind::Circle:
        case Shape::Kind::Arc: {
            const QPointF centre = view.toScreen(at(origin, s.centre));
            const double r = s.radius * view.scale();
            const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
            if (s.kind == Shape::Kind::Circle) {
                p.drawEllipse(box);
            } else {
                double sweep = s.endAngle - s.startAngle;
                if (sweep <= 0)
                    sweep += 360;
                // Qt counts sixteenths of a degree, counter-clockwise as the drawing does.
                p.drawArc(box, static_cast<int>(s.startAngle * 16), static_cast<int>(sweep * 16));
            }
            break;
        }
        case Shape::Kind::Text: {
            const double pixels = s.height * view.scale();
            if (pixels < 3)
                break;
            QFont font = p.font();
            font.setPixelSize(static_cast<int>(pixels));
            p.setFont(font);
            QPointF base = view.toScreen(at(origin, s.centre));
            base.ry() += pixels;  // MTEXT hangs from its insertion point
            for (const QString& line : qs(s.text).split(QLatin1Char('\n'))) {
                p.drawText(base, line);
                base.ry() += pixels * 1.5;
            }
            break;
        }
    }
}

QRectF shapeBounds(const Shape& s) {
    if (s.kind == Shape::Kind::Polyline) {
        QRectF box;
        for (const cad::Point& point : s.points)
            box = box.united(QRectF(point.x, point.y, 0, 0).adjusted(0, 0, 1e-9, 1e-9));
        return box;
    }
    const double r = s.kind == Shape::Kind::Text ? s.height : s.radius;
    return QRectF(s.centre.x - r, s.centre.y - r, 2 * r, 2 * r);
}

}  // namespace tavor::gui
