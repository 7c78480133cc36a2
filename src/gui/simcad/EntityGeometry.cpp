#include "gui/simcad/EntityGeometry.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>

#include "gui/QtText.h"

namespace tavor::gui {

namespace {

enum class Horizontal { Left, Centre, Right };
enum class Vertical { Baseline, Middle, Top, Bottom };

Horizontal horizontalOf(std::int32_t code) {
    switch (code) {
        case 1:
        case 4:
        case 7:
        case 10:
        case 13:
            return Horizontal::Centre;
        case 2:
        case 8:
        case 11:
        case 14:
            return Horizontal::Right;
        default:
            return Horizontal::Left;
    }
}

Vertical verticalOf(std::int32_t code) {
    if (code == 4 || (code >= 9 && code <= 11))
        return Vertical::Middle;
    if (code >= 6 && code <= 8)
        return Vertical::Top;
    if (code >= 12 && code <= 14)
        return Vertical::Bottom;
    return Vertical::Baseline;
}

QFont drawingFont(double pixelSize) {
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(pixelSize)));
    return font;
}

}  // namespace

TextPlacement placeText(const cad::sim::TextProps& text, const ViewTransform& view) {
    // Measured on a fixed font and scaled, so that boxes do not jump with rounding.
    const QFontMetricsF reference(drawingFont(100));
    // A text's height in the drawing is the height of its capitals.
    const double capitalShare = std::max(reference.capHeight(), 1.0) / 100;
    const double capital = text.height * view.scale();
    const double pixelSize = std::clamp(capital / capitalShare, 1.0, 4000.0);
    const double width = reference.horizontalAdvance(qs(text.string)) / 100 * pixelSize;
    const cad::Point& ref = text.alignment == 0 ? text.insertion : text.alignmentPoint;
    const QPointF at = view.toScreen(ref);
    double left = at.x();
    switch (horizontalOf(text.alignment)) {
        case Horizontal::Centre:
            left -= width / 2;
            break;
        case Horizontal::Right:
            left -= width;
            break;
        case Horizontal::Left:
            break;
    }
    double baseline = at.y();
    switch (verticalOf(text.alignment)) {
        case Vertical::Middle:
            baseline += capital / 2;
            break;
        case Vertical::Top:
            baseline += capital;
            break;
        case Vertical::Bottom:
            baseline -= capital * 0.25;
            break;
        case Vertical::Baseline:
            break;
    }
    return {drawingFont(pixelSize), QRectF(left, baseline - capital, width, capital),
            QPointF(left, baseline)};
}

QRectF entityBox(const cad::sim::Drawing& drawing, const cad::sim::EntityRecord& entity,
                 const ViewTransform& view) {
    using cad::sim::EntityKind;
    if (entity.kind != EntityKind::Insert)
        return placeText(entity.text, view).box;
    QRectF box;
    if (const auto* block = drawing.findBlock(entity.blockName)) {
        const cad::Point& at = entity.blockInsertion;
        for (const auto& e : block->entities) {
            if (e.entityName != u"AcDbLine")
                continue;
            const QPointF a = view.toScreen({at.x + e.from.x, at.y + e.from.y, 0});
            const QPointF b = view.toScreen({at.x + e.to.x, at.y + e.to.y, 0});
            box = box.united(QRectF(a, b).normalized().adjusted(-0.5, -0.5, 0.5, 0.5));
        }
    }
    for (cad::sim::EntityId a : entity.attributes)
        if (const auto* att = drawing.find(a))
            box = box.united(placeText(att->text, view).box);
    if (box.isNull()) {
        const QPointF at = view.toScreen(entity.blockInsertion);
        box = QRectF(at.x() - 2, at.y() - 2, 4, 4);
    }
    return box;
}

namespace {

double distanceToSegment(const QPointF& p, const QPointF& a, const QPointF& b) {
    const QPointF ab = b - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + t * ab);
    return std::sqrt(QPointF::dotProduct(d, d));
}

}  // namespace

bool entityHit(const cad::sim::Drawing& drawing, const cad::sim::EntityRecord& entity,
               const ViewTransform& view, const QPointF& at, double tolerance) {
    const auto near = [&](const QRectF& box) {
        return box.adjusted(-tolerance, -tolerance, tolerance, tolerance).contains(at);
    };
    if (entity.kind != cad::sim::EntityKind::Insert)
        return near(placeText(entity.text, view).box);
    for (cad::sim::EntityId a : entity.attributes)
        if (const auto* att = drawing.find(a); att && near(placeText(att->text, view).box))
            return true;
    bool drawsLines = false;
    if (const auto* block = drawing.findBlock(entity.blockName)) {
        const cad::Point& o = entity.blockInsertion;
        for (const auto& e : block->entities) {
            if (e.entityName != u"AcDbLine")
                continue;
            drawsLines = true;
            const QPointF a = view.toScreen({o.x + e.from.x, o.y + e.from.y, 0});
            const QPointF b = view.toScreen({o.x + e.to.x, o.y + e.to.y, 0});
            if (distanceToSegment(at, a, b) <= tolerance)
                return true;
        }
    }
    // A block with nothing to draw shows as its insertion mark.
    return !drawsLines && entity.attributes.empty() && near(entityBox(drawing, entity, view));
}

}  // namespace tavor::gui
