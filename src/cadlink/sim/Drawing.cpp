#include "cadlink/sim/Drawing.h"

#include <algorithm>

#include "cadlink/CadError.h"
#include "cadlink/sim/CharClass.h"

namespace tavor::cad::sim {

std::u16string formatHandle(EntityId id) {
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    std::u16string out;
    do {
        out.insert(out.begin(), digits[id & 0xF]);
        id >>= 4;
    } while (id);
    return out;
}

std::optional<EntityId> parseHandle(const Handle& handle) {
    if (handle.empty() || handle.size() > 16)
        return std::nullopt;
    EntityId id = 0;
    for (char16_t c : handle) {
        int v;
        if (c >= u'0' && c <= u'9')
            v = c - u'0';
        else if (c >= u'A' && c <= u'F')
            v = c - u'A' + 10;
        else if (c >= u'a' && c <= u'f')
            v = c - u'a' + 10;
        else
            return std::nullopt;
        id = id << 4 | static_cast<EntityId>(v);
    }
    return id;
}

bool sameNameIgnoringCase(const std::u16string& a, const std::u16string& b) {
    const std::u32string x = toCodePoints(a), y = toCodePoints(b);
    return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                      [](char32_t p, char32_t q) { return foldCase(p) == foldCase(q); });
}

Drawing::Drawing() {
    layers_.push_back({u"0", false, 0xFFFFFF});
}

void Drawing::addLayer(const std::u16string& name, bool locked, std::uint32_t rgb) {
    if (findLayer(name))
        throw CadError(u"The layer \"" + name + u"\" exists already.");
    layers_.push_back({name, locked, rgb});
    changed.notify();
}

void Drawing::setLayerLocked(const std::u16string& name, bool locked) {
    requireLayer(name);
    for (auto& l : layers_)
        if (sameNameIgnoringCase(l.name, name))
            l.locked = locked;
    changed.notify();
}

const LayerRecord* Drawing::findLayer(const std::u16string& name) const {
    for (const auto& l : layers_)
        if (sameNameIgnoringCase(l.name, name))
            return &l;
    return nullptr;
}

bool Drawing::isLayerLocked(const std::u16string& name) const {
    const LayerRecord* l = findLayer(name);
    return l && l->locked;
}

void Drawing::requireLayer(const std::u16string& name) {
    if (!findLayer(name))
        throw CadError(u"The layer \"" + name + u"\" does not exist.");
}

void Drawing::defineBlock(BlockRecord block) {
    if (findBlock(block.name))
        throw CadError(u"The block \"" + block.name + u"\" exists already.");
    blocks_.push_back(std::move(block));
}

const BlockRecord* Drawing::findBlock(const std::u16string& name) const {
    for (const auto& b : blocks_)
        if (sameNameIgnoringCase(b.name, name))
            return &b;
    return nullptr;
}

std::vector<AttributeSpec> Drawing::attributesOf(
    const std::u16string& blockName,
    const std::vector<std::pair<std::u16string, std::u16string>>& values) const {
    const BlockRecord* block = findBlock(blockName);
    if (!block)
        throw CadError(u"The block \"" + blockName + u"\" does not exist.");
    std::vector<AttributeSpec> out;
    for (const auto& e : block->entities) {
        if (e.entityName != u"AcDbAttributeDefinition")
            continue;
        AttributeSpec a{e.tag, e.defaultValue, e.from, {}, 0};
        for (const auto& [tag, value] : values)
            if (tag == e.tag)
                a.value = value;
        out.push_back(std::move(a));
    }
    return out;
}

void Drawing::replaceWith(Drawing&& other) {
    layers_ = std::move(other.layers_);
    blocks_ = std::move(other.blocks_);
    entities_ = std::move(other.entities_);
    erased_ = std::move(other.erased_);
    shapes_ = std::move(other.shapes_);
    nextId_ = other.nextId_;
    nextObjectId_ = other.nextObjectId_;
    for (const auto& set : sets_)
        set->deleted = true;
    sets_.clear();
    history_.clear();
    touched_.clear();
    ++revision_;
    changed.notify();
}

EntityRecord& Drawing::addLoaded(EntityId id, EntityKind kind, const InternedString& layer) {
    // The file's structure check has refused a handle used twice.
    EntityRecord& r = entities_.insertNew(id);
    r.objectId = static_cast<std::int32_t>(nextObjectId_);
    nextObjectId_ += 8;
    r.kind = kind;
    r.layer = layer;
    nextId_ = std::max(nextId_, id + 1);
    return r;
}

void Drawing::setHandleSeed(EntityId seed) {
    nextId_ = std::max(seed, entities_.highestId() + 1);
}

void Drawing::forgetChanges() {
    touched_.clear();
    history_.clear();
}

void Drawing::remember(EntityId id) {
    const EntityRecord* r = entities_.find(id);
    history_.remember(id, r ? std::optional<EntityRecord>(*r) : std::nullopt);
    touched_.insert(id);
    ++revision_;
}

void Drawing::swapIn(UndoStep& step) {
    for (auto& [id, image] : step.images) {
        std::optional<EntityRecord> now;
        if (EntityRecord* r = entities_.find(id)) {
            now = std::move(*r);
            entities_.remove(id);
        }
        if (image) {
            entities_.put(id) = std::move(*image);
            erased_.erase(id);
        } else if (now) {
            erased_.insert(id);
        }
        image = std::move(now);
        touched_.insert(id);
    }
    ++revision_;
}

bool Drawing::undo() {
    auto step = history_.takeUndo();
    if (!step)
        return false;
    swapIn(*step);
    history_.pushRedo(std::move(*step));
    changed.notify();  // once the step is on the redo stack, for whoever asks canRedo()
    return true;
}

bool Drawing::redo() {
    auto step = history_.takeRedo();
    if (!step)
        return false;
    swapIn(*step);
    history_.pushUndo(std::move(*step));
    changed.notify();
    return true;
}

EntityRecord& Drawing::newEntity(EntityKind kind, const std::u16string& layer) {
    requireLayer(layer);
    const EntityId id = nextId_++;
    remember(id);
    EntityRecord& r = entities_.insertNew(id);
    r.objectId = static_cast<std::int32_t>(nextObjectId_);
    nextObjectId_ += 8;
    r.kind = kind;
    r.layer = layer;
    return r;
}

Handle Drawing::addText(const TextSpec& spec) {
    ChangeScope scope(*this);
    EntityRecord& r = newEntity(EntityKind::Text, spec.layer);
    r.text = {spec.string, spec.point, spec.point, spec.alignment, spec.height, spec.style};
    changed.notify();
    return formatHandle(r.id);
}

Handle Drawing::addInsert(const InsertSpec& spec) {
    ChangeScope scope(*this);
    if (!findBlock(spec.blockName))
        throw CadError(u"The block \"" + spec.blockName + u"\" does not exist.");
    requireLayer(spec.layer);
    for (const auto& a : spec.attributes)
        if (!a.layer.empty())
            requireLayer(a.layer);
    EntityRecord& insert = newEntity(EntityKind::Insert, spec.layer);
    insert.blockName = spec.blockName;
    insert.blockInsertion = spec.insertion;
    const EntityId insertId = insert.id;
    std::vector<EntityId> attributes;
    for (const auto& a : spec.attributes) {
        EntityRecord& att =
            newEntity(EntityKind::Attribute, a.layer.empty() ? spec.layer : a.layer);
        const Point at{spec.insertion.x + a.offset.x, spec.insertion.y + a.offset.y,
                       spec.insertion.z + a.offset.z};
        att.text = {a.value, at, at, a.alignment, 2.5, u"Standard"};
        att.tag = a.tag;
        att.owner = insertId;
        attributes.push_back(att.id);
    }
    entities_.find(insertId)->attributes = std::move(attributes);
    changed.notify();
    return formatHandle(insertId);
}

EntityId Drawing::copyEntity(EntityId id) {
    ChangeScope scope(*this);
    const EntityRecord original = live(id);
    if (original.kind == EntityKind::Attribute)
        throw CadError(u"An attribute reference cannot be copied on its own.");
    EntityRecord& copy = newEntity(original.kind, original.layer);
    const EntityId copyId = copy.id;
    const std::int32_t copyObjectId = copy.objectId;
    copy = original;
    copy.id = copyId;
    copy.objectId = copyObjectId;
    copy.source = original.source ? original.source : id;
    copy.attributes.clear();
    for (EntityId a : original.attributes) {
        const EntityRecord att = live(a);
        EntityRecord& attCopy = newEntity(EntityKind::Attribute, att.layer);
        const EntityId attId = attCopy.id;
        const std::int32_t attObjectId = attCopy.objectId;
        attCopy = att;
        attCopy.id = attId;
        attCopy.objectId = attObjectId;
        attCopy.owner = copyId;
        attCopy.source = att.source ? att.source : a;
        entities_.find(copyId)->attributes.push_back(attId);
    }
    changed.notify();
    return copyId;
}

void Drawing::erase(EntityId id) {
    ChangeScope scope(*this);
    const EntityRecord& r = live(id);
    if (r.kind == EntityKind::Attribute)
        throw CadError(u"An attribute reference cannot be erased on its own.");
    remember(id);
    for (EntityId a : r.attributes) {
        remember(a);
        entities_.remove(a);
        erased_.insert(a);
    }
    entities_.remove(id);
    erased_.insert(id);
    changed.notify();
}

const EntityRecord* Drawing::find(EntityId id) const {
    return entities_.find(id);
}

const EntityRecord* Drawing::find(const Handle& handle) const {
    const auto id = parseHandle(handle);
    return id ? find(*id) : nullptr;
}

const EntityRecord& Drawing::live(EntityId id) const {
    if (const EntityRecord* r = find(id))
        return *r;
    if (wasErased(id))
        throw CadError(u"The object " + formatHandle(id) + u" has been erased.");
    throw CadError(u"No object has the handle " + formatHandle(id) + u".");
}

EntityRecord& Drawing::liveForWrite(EntityId id) {
    live(id);
    ChangeScope scope(*this);
    remember(id);
    return *entities_.find(id);
}

std::vector<EntityId> Drawing::modelSpace() const {
    std::vector<EntityId> out;
    out.reserve(entities_.size());
    entities_.forEach([&](const EntityRecord& r) {
        if (r.kind != EntityKind::Attribute)
            out.push_back(r.id);
    });
    return out;
}

std::shared_ptr<SelectionSetRecord> Drawing::addSelectionSet(const std::u16string& name) {
    if (name.empty())
        throw CadError(u"A selection set needs a name.");
    for (const auto& s : sets_)
        if (sameNameIgnoringCase(s->name, name))
            throw CadError(u"The selection set \"" + name + u"\" exists already.");
    auto set = std::make_shared<SelectionSetRecord>();
    set->name = name;
    sets_.push_back(set);
    return set;
}

void Drawing::deleteSelectionSet(const std::shared_ptr<SelectionSetRecord>& set) {
    std::erase(sets_, set);
    set->deleted = true;
    set->members.clear();
}

}  // namespace tavor::cad::sim
