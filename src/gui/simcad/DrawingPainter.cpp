#include "gui/simcad/DrawingPainter.h"

#include "gui/QtText.h"
#include "gui/simcad/EntityGeometry.h"
#include "gui/simcad/ShapePainter.h"

namespace tavor::gui {

namespace {

using cad::sim::Drawing;
using cad::sim::EntityKind;
using cad::sim::EntityRecord;

constexpr int kLockedAlpha = 110;

QColor layerColour(const Drawing& drawing, const std::u16string& layer) {
    const auto* l = drawing.findLayer(layer);
    QColor c = l ? QColor::fromRgb(l->rgb) : QColor(Qt::white);
    if (l && l->locked)
        c.setAlpha(kLockedAlpha);
    return c;
}

void paintText(QPainter& p, const cad::sim::TextProps& text, const ViewTransform& view,
               const QColor& colour) {
    const TextPlacement place = placeText(text, view);
    if (place.box.height() < 3) {
        // Too small to read: a line where the text stands, as CADs draw tiny texts.
        p.setPen(colour);
        p.drawLine(place.box.bottomLeft(), place.box.bottomRight());
        return;
    }
    p.setFont(place.font);
    p.setPen(colour);
    p.drawText(place.baselineStart, qs(text.string));
}

void paintInsert(QPainter& p, const Drawing& drawing, const EntityRecord& e,
                 const ViewTransform& view, const QColor& colour) {
    if (const auto* block = drawing.findBlock(e.blockName)) {
        QPen pen(colour, 1);
        if (colour.alpha() < 255)
            pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        const cad::Point& at = e.blockInsertion;
        for (const auto& be : block->entities) {
            if (be.entityName != u"AcDbLine")
                continue;
            p.drawLine(view.toScreen({at.x + be.from.x, at.y + be.from.y, 0}),
                       view.toScreen({at.x + be.to.x, at.y + be.to.y, 0}));
        }
        for (const auto& shape : block->shapes)
            paintShape(p, shape, at, view, colour);
    }
    for (cad::sim::EntityId a : e.attributes)
        if (const auto* att = drawing.find(a))
            paintText(p, att->text, view, layerColour(drawing, att->layer));
}

void paintFrame(QPainter& p, const QRectF& box, const QColor& colour) {
    QPen pen(colour, 1, Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(-2, -2, 2, 2));
}

void paintLegend(QPainter& p, const Drawing& drawing) {
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    const int rows = static_cast<int>(drawing.layers().size());
    p.fillRect(2, 2, 150, rows * 14 + 8, QColor(20, 24, 28, 200));
    int y = 6;
    for (const auto& l : drawing.layers()) {
        QColor c = QColor::fromRgb(l.rgb);
        if (l.locked)
            c.setAlpha(kLockedAlpha);
        p.fillRect(6, y, 10, 10, c);
        p.setPen(QColor(220, 220, 220));
        const QString name = qs(l.name) + (l.locked ? QStringLiteral("  [ロック]") : QString());
        p.drawText(22, y + 10, name);
        y += 14;
    }
}

}  // namespace

void paintDrawing(QPainter& p, const Drawing& drawing, const ViewTransform& view,
                  const PaintMarks& marks) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, view.width, view.drawHeight);
    // The context first, so the program's texts and blocks stay on top of it.
    for (const auto& shape : drawing.shapes())
        paintShape(p, shape, {}, view, layerColour(drawing, shape.layer));
    for (cad::sim::EntityId id : drawing.modelSpace()) {
        const EntityRecord& e = drawing.live(id);
        const QRectF box = entityBox(drawing, e, view);
        if (!box.intersects(area))
            continue;
        const QColor colour = layerColour(drawing, e.layer);
        if (e.kind == EntityKind::Insert)
            paintInsert(p, drawing, e, view, colour);
        else
            paintText(p, e.text, view, colour);
        if (marks.picked && marks.picked->contains(id))
            paintFrame(p, box, QColor(255, 220, 80));
        else if (marks.hovered == id)
            paintFrame(p, box, QColor(120, 180, 255));
    }
    paintLegend(p, drawing);
}

}  // namespace tavor::gui
