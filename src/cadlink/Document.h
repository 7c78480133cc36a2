#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "cadlink/Objects.h"
#include "cadlink/SelectionFilter.h"
#include "cadlink/Variant.h"
#include "cadlink/WindowId.h"

namespace tavor::cad {

// The collections that the program reaches by name ("Count", "Item", "Name", ...) are plain
// interfaces here; a COM client implements them with IDispatch calls. Indexes start at 0.

class Layer {
public:
    virtual ~Layer() = default;
    virtual std::u16string Name() = 0;
    virtual bool Lock() = 0;
};

class Layers {
public:
    virtual ~Layers() = default;
    virtual std::int32_t Count() = 0;
    virtual std::shared_ptr<Layer> Item(std::int32_t index) = 0;
};

// An entity inside a block definition ("AcDbAttributeDefinition", "AcDbLine", ...). TagString
// and PromptString belong to attribute definitions and raise on other entities.
class BlockEntity {
public:
    virtual ~BlockEntity() = default;
    virtual std::u16string EntityName() = 0;
    virtual std::u16string TagString() = 0;
    virtual std::u16string PromptString() = 0;
};

class BlockDefinition {
public:
    virtual ~BlockDefinition() = default;
    virtual std::u16string Name() = 0;
    virtual std::int32_t Count() = 0;
    virtual std::shared_ptr<BlockEntity> Item(std::int32_t index) = 0;
};

class Blocks {
public:
    virtual ~Blocks() = default;
    virtual std::int32_t Count() = 0;
    virtual std::shared_ptr<BlockDefinition> Item(std::int32_t index) = 0;
};

class SelectionSet {
public:
    virtual ~SelectionSet() = default;
    virtual std::u16string GetSelectionSetName() = 0;
    // Empties the set; it stays usable.
    virtual void ClearSelectionSet() = 0;
    // Blocks while the person picks in the CAD window; only entities that meet the filter are
    // added. Raises when the pick is cancelled or fails.
    virtual void SelectOnScreen(const SelectionFilter& filter) = 0;
    // Mode 5 adds every entity of the drawing that meets the filter; the points are unused then.
    virtual void SelectByMode(std::int32_t mode, const Point& corner1, const Point& corner2,
                              const SelectionFilter& filter) = 0;
    virtual std::int32_t GetEntityCount() = 0;
    virtual std::shared_ptr<Entity> GetEntityByIndex(std::int32_t index) = 0;
    // Removes the set from the drawing; every later call on it raises.
    virtual void DeleteSelectionSet() = 0;
};

inline constexpr std::int32_t kSelectAll = 5;

class SelectionSets {
public:
    virtual ~SelectionSets() = default;
    virtual std::int32_t GetSelectionSetCount() = 0;
    virtual std::shared_ptr<SelectionSet> GetSelectionSetByIndex(std::int32_t index) = 0;
    // A new, empty set; raises when the drawing already has a set of that name.
    virtual std::shared_ptr<SelectionSet> AddSelectionSet(const std::u16string& name) = 0;
};

class Document {
public:
    virtual ~Document() = default;
    virtual std::shared_ptr<Layers> GetLayers() = 0;
    virtual std::shared_ptr<SelectionSets> GetSelectionSets() = 0;
    // Raises when no object of the drawing has the handle.
    virtual std::shared_ptr<Object> GetObjectByHandle(const Handle& handle) = 0;
    virtual std::shared_ptr<Blocks> GetBlocks() = 0;
    virtual void RegenerateDisplay(std::int32_t mode) = 0;
    // "VIEWSIZE" (a double, the view height in drawing units), "VIEWCTR" (a point), ...;
    // raises for a name the CAD does not know.
    virtual Variant GetSystemVariable(const std::u16string& name) = 0;
    virtual WindowId GetDocumentWindowHandle() = 0;
    // The argument-less document call made once before the search tab's bulk update.
    virtual void BeginBulkUpdate() = 0;
    // Undo marks: what the CAD changes between the outermost pair is one step of its own undo
    // history. Bracket them with UndoMarkScope, which ends the mark however the command ends.
    virtual void StartUndoMark() = 0;
    virtual void EndUndoMark() = 0;
};

class Application {
public:
    virtual ~Application() = default;
    virtual WindowId GetMainWindowHandle() = 0;
    virtual std::shared_ptr<Document> GetActiveDocument() = 0;
    // The view shows the window between the two corners of the drawing.
    virtual void ZoomWindow(const Point& lowerLeft, const Point& upperRight) = 0;
};

}  // namespace tavor::cad
