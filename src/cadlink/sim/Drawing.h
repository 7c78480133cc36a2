#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/Property.h"
#include "cadlink/Objects.h"
#include "cadlink/Point.h"
#include "cadlink/sim/EntityRecord.h"
#include "cadlink/sim/EntityTable.h"
#include "cadlink/sim/UndoHistory.h"

namespace tavor::cad::sim {

struct LayerRecord {
    std::u16string name;
    bool locked = false;
    std::uint32_t rgb = 0xFFFFFF;  // 0xRRGGBB, for the window that shows the drawing
};

// Geometry that gives the drawing its context; the window draws it, the commands never see it.
struct Shape {
    enum class Kind { Polyline, Circle, Arc, Text };
    Kind kind = Kind::Polyline;
    std::u16string layer;
    std::vector<Point> points;  // a polyline's vertices; a closed one repeats the first at the end
    Point centre;               // a circle's or an arc's centre; where a read-only text begins
    double radius = 0;
    double startAngle = 0, endAngle = 0;  // an arc's, in degrees counter-clockwise
    std::u16string text;                  // a read-only text (MTEXT), lines split at LF
    double height = 0;
};

// An entity of a block definition: an attribute definition, or a line of the block's figure.
struct BlockEntityRecord {
    std::u16string entityName;  // "AcDbAttributeDefinition", "AcDbLine"
    std::u16string tag, prompt, defaultValue;
    Point from, to;  // relative to the insertion point: a line's ends, an attribute's position
};

struct BlockRecord {
    std::u16string name;
    std::vector<BlockEntityRecord> entities;
    std::vector<Shape> shapes = {};  // relative to the insertion point, like the entities' points
};

struct SelectionSetRecord {
    std::u16string name;
    std::vector<EntityId> members;
    bool deleted = false;
};

struct TextSpec {
    std::u16string string;
    Point point;  // the insertion point, or the alignment point when alignment is not 0
    std::u16string layer = u"0";
    std::int32_t alignment = 0;
    double height = 2.5;
    std::u16string style = u"Standard";
};

struct AttributeSpec {
    std::u16string tag, value;
    Point offset;          // from the block's insertion point
    std::u16string layer;  // empty: the block reference's layer
    std::int32_t alignment = 0;
};

struct InsertSpec {
    std::u16string blockName;
    Point insertion;
    std::u16string layer = u"0";
    std::vector<AttributeSpec> attributes;
};

std::u16string formatHandle(EntityId id);
// Hexadecimal, either case; nullopt for anything else.
std::optional<EntityId> parseHandle(const Handle& handle);

// The drawing's content: layers, block definitions, entities with their handles, and the named
// selection sets. Handles are never reused; an erased entity is gone for good.
class Drawing {
public:
    Drawing();

    void addLayer(const std::u16string& name, bool locked = false, std::uint32_t rgb = 0xFFFFFF);
    void setLayerLocked(const std::u16string& name, bool locked);
    const std::vector<LayerRecord>& layers() const { return layers_; }
    // By name without regard to case, as the CAD's layer table does; nullptr when unknown.
    const LayerRecord* findLayer(const std::u16string& name) const;
    bool isLayerLocked(const std::u16string& name) const;

    void defineBlock(BlockRecord block);
    const std::vector<BlockRecord>& blocks() const { return blocks_; }
    const BlockRecord* findBlock(const std::u16string& name) const;
    // Attributes for an insert of a defined block: each definition's TAG at its position, with
    // the given value or else the definition's default.
    std::vector<AttributeSpec> attributesOf(
        const std::u16string& blockName,
        const std::vector<std::pair<std::u16string, std::u16string>>& values) const;

    // Takes over the content of `other` (a drawing read from a file) in place of its own; the
    // selection sets go, the undo history starts afresh, observers stay connected.
    void replaceWith(Drawing&& other);
    // An entity read from a file, under the handle it has there, on a layer the drawing has.
    EntityRecord& addLoaded(EntityId id, EntityKind kind, const InternedString& layer);
    void addShape(Shape shape) { shapes_.push_back(std::move(shape)); }
    const std::vector<Shape>& shapes() const { return shapes_; }
    // The number the next new handle gets: $HANDSEED, or above the highest handle in use.
    EntityId handleSeed() const { return nextId_; }
    void setHandleSeed(EntityId seed);

    Handle addText(const TextSpec& spec);
    Handle addInsert(const InsertSpec& spec);
    EntityId copyEntity(EntityId id);
    // Erases an entity (a block reference with its attributes).
    void erase(EntityId id);

    // nullptr when no live entity has the id.
    const EntityRecord* find(EntityId id) const;
    const EntityRecord* find(const Handle& handle) const;
    // The live entity; raises CadError for an unknown or erased one.
    const EntityRecord& live(EntityId id) const;
    EntityRecord& liveForWrite(EntityId id);
    bool wasErased(EntityId id) const { return erased_.contains(id); }
    // Top-level entities (texts and block references) in drawing order.
    std::vector<EntityId> modelSpace() const;
    std::size_t entityCount() const { return entities_.size(); }

    // Entities changed, created or erased since forgetChanges(): what a save has to write.
    const std::set<EntityId>& touched() const { return touched_; }
    void forgetChanges();
    // Grows with every change, undo and redo; a saved drawing remembers the revision it saved.
    std::uint64_t revision() const { return revision_; }

    // Undo marks: the changes between the outermost pair are one step of the history.
    void startUndoMark() { history_.startMark(); }
    void endUndoMark() { history_.endMark(); }
    bool undoMarkOpen() const { return history_.marking(); }
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // Takes back (puts back) one whole step; false when there is none.
    bool undo();
    bool redo();

    std::shared_ptr<SelectionSetRecord> addSelectionSet(const std::u16string& name);
    const std::vector<std::shared_ptr<SelectionSetRecord>>& selectionSets() const { return sets_; }
    void deleteSelectionSet(const std::shared_ptr<SelectionSetRecord>& set);

    // Told after every change of the content, so that a view can redraw.
    Signal<> changed;

private:
    // Brackets one change of the drawing in an undo mark, however the change ends.
    class ChangeScope {
    public:
        explicit ChangeScope(Drawing& d) : d_(d) { d_.history_.startMark(); }
        ~ChangeScope() { d_.history_.endMark(); }
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;

    private:
        Drawing& d_;
    };

    EntityRecord& newEntity(EntityKind kind, const std::u16string& layer);
    void requireLayer(const std::u16string& name);
    // Before an entity changes (or is created: it has no state yet).
    void remember(EntityId id);
    void swapIn(UndoStep& step);

    std::vector<LayerRecord> layers_;
    std::vector<BlockRecord> blocks_;
    EntityTable entities_;  // in handle order: the drawing order
    std::set<EntityId> erased_;
    std::vector<std::shared_ptr<SelectionSetRecord>> sets_;
    std::vector<Shape> shapes_;
    UndoHistory history_;
    std::set<EntityId> touched_;
    std::uint64_t revision_ = 0;
    EntityId nextId_ = 0x1F0;
    std::uint32_t nextObjectId_ = 0x8F2A1000u;
};

bool sameNameIgnoringCase(const std::u16string& a, const std::u16string& b);

}  // namespace tavor::cad::sim
