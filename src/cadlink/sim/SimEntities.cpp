#include "cadlink/sim/SimEntities.h"

#include "cadlink/CadError.h"

namespace tavor::cad::sim {

namespace {

std::u16string kindName(EntityKind kind) {
    switch (kind) {
        case EntityKind::Text:
            return u"TEXT";
        case EntityKind::Insert:
            return u"block reference";
        case EntityKind::Attribute:
            break;
    }
    return u"attribute reference";
}

// What every entity object shares: it names one entity of the drawing by id and looks it up at
// each call, so that a call on an entity erased meanwhile fails as in the CAD.
template <class Interface>
class SimEntityBase : public Interface {
public:
    SimEntityBase(std::shared_ptr<SimCad> cad, EntityId id, EntityKind kind)
        : cad_(std::move(cad)), id_(id), kind_(kind) {}

    Handle GetHandle() override {
        enter(u"GetHandle");
        return formatHandle(record().id);
    }
    std::int64_t GetObjectID() override {
        enter(u"GetObjectID");
        return record().objectId;
    }
    void DeleteObject() override {
        enter(u"DeleteObject");
        cad_->editable(id_);
        cad_->drawing().erase(id_);
    }
    std::shared_ptr<Text> AsText() override {
        return std::dynamic_pointer_cast<Text>(as(EntityKind::Text));
    }
    std::shared_ptr<BlockReference> AsBlockReference() override {
        return std::dynamic_pointer_cast<BlockReference>(as(EntityKind::Insert));
    }
    std::shared_ptr<AttributeReference> AsAttributeReference() override {
        return std::dynamic_pointer_cast<AttributeReference>(as(EntityKind::Attribute));
    }
    std::u16string GetLayer() override {
        enter(u"GetLayer");
        return record().layer;
    }
    std::shared_ptr<Entity> CopyEntity() override {
        enter(u"CopyEntity");
        return makeEntityObject(cad_, cad_->drawing().copyEntity(id_));
    }
    void UpdateEntity() override {
        enter(u"UpdateEntity");
        record();
        cad_->entityUpdated();
    }

protected:
    void enter(std::u16string_view operation) { cad_->enter(operation); }
    const EntityRecord& record() const { return cad_->drawing().live(id_); }
    const std::shared_ptr<SimCad>& cad() const { return cad_; }
    // Changes the entity through `change` and tells the drawing's observers.
    template <class F>
    void write(F change) {
        change(cad_->editable(id_));
        cad_->drawing().changed.notify();
    }

private:
    std::shared_ptr<Entity> as(EntityKind wanted) {
        if (kind_ != wanted)
            throw CadError(u"The object " + formatHandle(id_) + u" is a " + kindName(kind_) +
                           u", not a " + kindName(wanted) + u".");
        return makeEntityObject(cad_, id_);
    }

    std::shared_ptr<SimCad> cad_;
    EntityId id_;
    EntityKind kind_;
};

class SimText : public SimEntityBase<Text> {
public:
    using SimEntityBase::SimEntityBase;

    std::u16string GetTextString() override {
        enter(u"GetTextString");
        return record().text.string;
    }
    void SetTextString(const std::u16string& text) override {
        enter(u"SetTextString");
        write([&](EntityRecord& r) { r.text.string = text; });
    }
    std::int32_t GetAlignment() override {
        enter(u"GetAlignment");
        return record().text.alignment;
    }
    void SetAlignment(std::int32_t alignment) override {
        enter(u"SetAlignment");
        write([&](EntityRecord& r) { r.text.alignment = alignment; });
    }
    Point GetInsertionPoint() override {
        enter(u"GetInsertionPoint");
        return record().text.insertion;
    }
    void SetInsertionPoint(const Point& point) override {
        enter(u"SetInsertionPoint");
        write([&](EntityRecord& r) { r.text.insertion = point; });
    }
    Point GetTextAlignmentPoint() override {
        enter(u"GetTextAlignmentPoint");
        return record().text.alignmentPoint;
    }
    void SetTextAlignmentPoint(const Point& point) override {
        enter(u"SetTextAlignmentPoint");
        write([&](EntityRecord& r) { r.text.alignmentPoint = point; });
    }
};

class SimBlockReference : public SimEntityBase<BlockReference> {
public:
    using SimEntityBase::SimEntityBase;

    bool GetHasAttributes() override {
        enter(u"GetHasAttributes");
        return !record().attributes.empty();
    }
    std::vector<std::shared_ptr<AttributeReference>> GetAttributes() override {
        enter(u"GetAttributes");
        std::vector<std::shared_ptr<AttributeReference>> out;
        for (EntityId a : record().attributes)
            out.push_back(
                std::dynamic_pointer_cast<AttributeReference>(makeEntityObject(cad(), a)));
        return out;
    }
    Point GetBlockInsertionPoint() override {
        enter(u"GetBlockInsertionPoint");
        return record().blockInsertion;
    }
    std::u16string GetBlockName() override {
        enter(u"GetBlockName");
        return record().blockName;
    }
};

class SimAttributeReference : public SimEntityBase<AttributeReference> {
public:
    using SimEntityBase::SimEntityBase;

    std::u16string TagString() override {
        enter(u"TagString");
        return record().tag;
    }
    std::u16string GetAttributeText() override {
        enter(u"GetAttributeText");
        return record().text.string;
    }
    void SetAttributeText(const std::u16string& text) override {
        enter(u"SetAttributeText");
        write([&](EntityRecord& r) { r.text.string = text; });
    }
    Point GetAttributeInsertionPoint() override {
        enter(u"GetAttributeInsertionPoint");
        return record().text.insertion;
    }
    std::int32_t Alignment() override {
        enter(u"Alignment");
        return record().text.alignment;
    }
};

}  // namespace

std::shared_ptr<Entity> makeEntityObject(const std::shared_ptr<SimCad>& cad, EntityId id) {
    const EntityKind kind = cad->drawing().live(id).kind;
    switch (kind) {
        case EntityKind::Text:
            return std::make_shared<SimText>(cad, id, kind);
        case EntityKind::Insert:
            return std::make_shared<SimBlockReference>(cad, id, kind);
        case EntityKind::Attribute:
            break;
    }
    return std::make_shared<SimAttributeReference>(cad, id, kind);
}

}  // namespace tavor::cad::sim
