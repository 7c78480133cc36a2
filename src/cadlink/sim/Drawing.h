#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/Property.h"
#include "cadlink/Objects.h"
#include "cadlink/Point.h"

namespace tavor::cad::sim {

using EntityId = std::uint64_t;  // the handle's number

enum class EntityKind { Text, Insert, Attribute };

// What a TEXT and an attribute reference have in common.
struct TextProps {
    std::u16string string;
    Point insertion;
    Point alignmentPoint;
    std::int32_t alignment = 0;
    double height = 2.5;
    std::u16string style = u"Standard";
};

struct EntityRecord {
    EntityId id = 0;
    std::int32_t objectId = 0;
    EntityKind kind = EntityKind::Text;
    std::u16string layer;
    TextProps text;                    // TEXT and attribute reference
    std::u16string tag;                // attribute reference
    EntityId owner = 0;                // attribute reference: its block reference
    std::u16string blockName;          // block reference
    Point blockInsertion;              // block reference
    std::vector<EntityId> attributes;  // block reference, in the block's order

    // The point by which a text is placed: its alignment point unless the code is 0.
    const Point& referencePoint() const {
        return text.alignment == 0 ? text.insertion : text.alignmentPoint;
    }
};

struct LayerRecord {
    std::u16string name;
    bool locked = false;
    std::uint32_t rgb = 0xFFFFFF;  // 0xRRGGBB, for the window that shows the drawing
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

    std::shared_ptr<SelectionSetRecord> addSelectionSet(const std::u16string& name);
    const std::vector<std::shared_ptr<SelectionSetRecord>>& selectionSets() const { return sets_; }
    void deleteSelectionSet(const std::shared_ptr<SelectionSetRecord>& set);

    // Told after every change of the content, so that a view can redraw.
    Signal<> changed;

private:
    EntityRecord& newEntity(EntityKind kind, const std::u16string& layer);
    void requireLayer(const std::u16string& name);

    std::vector<LayerRecord> layers_;
    std::vector<BlockRecord> blocks_;
    std::map<EntityId, EntityRecord> entities_;  // ordered by handle: the drawing order
    std::set<EntityId> erased_;
    std::vector<std::shared_ptr<SelectionSetRecord>> sets_;
    EntityId nextId_ = 0x1F0;
    std::uint32_t nextObjectId_ = 0x8F2A1000u;
};

bool sameNameIgnoringCase(const std::u16string& a, const std::u16string& b);

}  // namespace tavor::cad::sim
