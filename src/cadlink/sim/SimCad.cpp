#include "cadlink/sim/SimCad.h"

#include <cmath>

#include "base/TextUtil.h"
#include "cadlink/CadError.h"
#include "cadlink/sim/SimDocument.h"
#include "cadlink/sim/dxf/DxfError.h"
#include "cadlink/sim/dxf/DxfFiles.h"

namespace tavor::cad::sim {

std::size_t checkedIndex(std::int32_t index, std::size_t size) {
    if (index < 0 || static_cast<std::size_t>(index) >= size)
        throw CadError(u"The index " + toU16(index) + u" is out of range.");
    return static_cast<std::size_t>(index);
}

std::shared_ptr<Application> SimCad::application() {
    return makeApplicationObject(shared_from_this());
}

void SimCad::openDxf(const std::filesystem::path& file, const dxf::CodePage& codePage) {
    auto opened = DxfDrawingFile::open(dxf::readWholeFile(file), codePage, drawing_);
    file_ = std::move(opened);
    path_ = file;
    savedRevision_ = drawing_.revision();
}

void SimCad::saveDxf(const std::filesystem::path& file) {
    if (!file_)
        throw dxf::DxfError("Only a drawing opened from a DXF file can be saved as DXF.");
    dxf::replaceFile(file, [&](const dxf::ByteSink& sink) { file_->write(drawing_, sink); });
    path_ = file;
    savedRevision_ = drawing_.revision();
    drawing_.changed.notify();
}

void SimCad::setViewPixelSize(int width, int height) {
    if (width == view_.pixelWidth && height == view_.pixelHeight)
        return;
    view_.pixelWidth = width;
    view_.pixelHeight = height;
    viewChanged.notify();
}

void SimCad::setView(const Point& centre, double height) {
    view_.centre = {centre.x, centre.y, 0};
    if (height > 0 && std::isfinite(height))
        view_.height = height;
    viewChanged.notify();
}

void SimCad::zoomWindow(const Point& corner1, const Point& corner2) {
    const double dx = std::abs(corner2.x - corner1.x), dy = std::abs(corner2.y - corner1.y);
    double height = dy;
    if (view_.pixelWidth > 0 && view_.pixelHeight > 0)
        height = std::max(dy, dx * view_.pixelHeight / view_.pixelWidth);
    setView({(corner1.x + corner2.x) / 2, (corner1.y + corner2.y) / 2, 0}, height);
}

void SimCad::setWindows(WindowId mainWindow, WindowId documentWindow) {
    mainWindow_ = mainWindow;
    documentWindow_ = documentWindow;
}

EntityRecord& SimCad::editable(EntityId id) {
    const EntityRecord& r = drawing_.live(id);
    if (refusals_.lockedLayersRefuseWrites && drawing_.isLayerLocked(r.layer))
        throw CadError(u"The object " + formatHandle(id) + u" is on a locked layer.");
    return drawing_.liveForWrite(id);
}

void SimCad::regenerate() {
    ++regenerations_;
    drawing_.changed.notify();
}

void SimCad::entityUpdated() {
    ++entityUpdates_;
    drawing_.changed.notify();
}

}  // namespace tavor::cad::sim
