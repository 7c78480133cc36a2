#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include "base/Property.h"
#include "cadlink/Document.h"
#include "cadlink/sim/Drawing.h"
#include "cadlink/sim/DxfDrawingFile.h"
#include "cadlink/sim/Picker.h"
#include "cadlink/sim/Refusals.h"
#include "cadlink/sim/Wildcard.h"

namespace tavor::cad::sim {

// The index as a position in a collection of `size` items; raises CadError when out of range.
std::size_t checkedIndex(std::int32_t index, std::size_t size);

// What the CAD's view shows: its centre and height in drawing units, and the size in pixels of
// the area that draws (the view window without its 18-pixel strip).
struct ViewState {
    Point centre;
    double height = 200;
    int pixelWidth = 800, pixelHeight = 600;
};

// The simulated CAD: one open drawing, its view, the picking port and the refusal switches.
// Create it with std::make_shared: the automation objects it hands out share it.
class SimCad : public std::enable_shared_from_this<SimCad> {
public:
    SimCad() = default;
    SimCad(const SimCad&) = delete;
    SimCad& operator=(const SimCad&) = delete;

    std::shared_ptr<Application> application();

    Drawing& drawing() { return drawing_; }
    const Drawing& drawing() const { return drawing_; }
    Refusals& refusals() { return refusals_; }

    // Opens a DXF drawing in place of the current one; raises dxf::DxfError (naming the line)
    // and then keeps the current drawing.
    void openDxf(const std::filesystem::path& file, const dxf::CodePage& codePage);
    // Writes the drawing to `file` through a new file renamed over it; raises dxf::DxfError,
    // and then the old file is untouched. Only a drawing opened from DXF can be saved.
    void saveDxf(const std::filesystem::path& file);
    bool canSave() const { return file_ != nullptr; }
    // The file the drawing was opened from or last saved to; empty for the built-in drawing.
    const std::filesystem::path& filePath() const { return path_; }
    bool hasUnsavedChanges() const { return drawing_.revision() != savedRevision_; }

    // Not owned; without a picker SelectOnScreen fails.
    void setPicker(Picker* picker) { picker_ = picker; }
    Picker* picker() const { return picker_; }

    // How the text string (group code 1) of a selection filter matches; with case by default.
    void setTextFilterCase(CaseRule rule) { textFilterCase_ = rule; }
    CaseRule textFilterCase() const { return textFilterCase_; }

    const ViewState& view() const { return view_; }
    void setViewPixelSize(int width, int height);
    void setView(const Point& centre, double height);
    // Shows the window between the corners (in either order), fitted to the view's shape.
    void zoomWindow(const Point& corner1, const Point& corner2);
    Signal<> viewChanged;

    void setWindows(WindowId mainWindow, WindowId documentWindow);
    WindowId mainWindow() const { return mainWindow_; }
    WindowId documentWindow() const { return documentWindow_; }

    // Every automation call enters here first; raises when the call is to be refused.
    void enter(std::u16string_view operation) { refusals_.check(operation); }
    // The live entity for a change; raises when it is erased or on a locked layer.
    EntityRecord& editable(EntityId id);

    void regenerate();
    void entityUpdated();
    int regenerations() const { return regenerations_; }
    int entityUpdates() const { return entityUpdates_; }

private:
    Drawing drawing_;
    std::unique_ptr<DxfDrawingFile> file_;
    std::filesystem::path path_;
    std::uint64_t savedRevision_ = 0;
    Refusals refusals_;
    Picker* picker_ = nullptr;
    CaseRule textFilterCase_ = CaseRule::Sensitive;
    ViewState view_;
    WindowId mainWindow_ = 0, documentWindow_ = 0;
    int regenerations_ = 0, entityUpdates_ = 0;
};

}  // namespace tavor::cad::sim
