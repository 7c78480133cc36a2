#include "cadlink/CadError.h"
#include "cadlink/sim/Drawing.h"
#include "comserver/FakeCadIds.h"
#include "comserver/server/DispatchObject.h"
#include "comserver/server/ModelObjects.h"

namespace tavor::test::fakecad {

namespace {

// The entity's id, read without counting as a call of the CAD: the refusals that tests armed
// stay as they were.
cad::sim::EntityId quietId(cad::sim::SimCad& cad, cad::Object& object) {
    struct Disarmed {
        cad::sim::SimCad& cad;
        cad::sim::Refusals armed;
        ~Disarmed() { cad.refusals() = std::move(armed); }
    } disarmed{cad, cad.refusals()};
    cad.refusals().clear();
    return cad::sim::parseHandle(object.GetHandle()).value_or(0);
}

// What every drawing object answers: the members of the model's object and entity interfaces,
// numbered alike in every kind, so that a client may share their ids between kinds.
class EntityObject : public DispatchObject {
public:
    EntityObject(ModelContext context, std::shared_ptr<cad::Entity> entity,
                 std::u16string objectName)
        : DispatchObject(context.state, Role::Model),
          context_(std::move(context)),
          entity_(std::move(entity)),
          id_(quietId(*context_.cad, *entity_)),
          objectName_(std::move(objectName)) {
        numberFrom(1);
        read(u"Handle", [this](const Arguments&) { return stringValue(entity_->GetHandle()); });
        read(u"ObjectID",
             [this](const Arguments&) { return wideInteger(state(), entity_->GetObjectID()); });
        const auto name = [this](const Arguments&) {
            context_.cad->drawing().live(id_);
            return stringValue(objectName_);
        };
        read(u"ObjectName", name);
        read(u"EntityName", name);
        method(u"Delete", [this](const Arguments&) {
            entity_->DeleteObject();
            return Value();
        });
        read(u"Layer", [this](const Arguments&) { return stringValue(entity_->GetLayer()); });
        method(u"Copy",
               [this](const Arguments&) { return entityObject(context_, entity_->CopyEntity()); });
        method(u"Update", [this](const Arguments&) {
            entity_->UpdateEntity();
            return Value();
        });
    }

protected:
    bool offers(REFIID iid) const override {
        return iid == kObjectInterface || iid == kEntityInterface;
    }
    const ModelContext& context() const { return context_; }

private:
    ModelContext context_;
    std::shared_ptr<cad::Entity> entity_;
    cad::sim::EntityId id_;
    std::u16string objectName_;
};

class TextObject : public EntityObject {
public:
    TextObject(const ModelContext& context, std::shared_ptr<cad::Text> text)
        : EntityObject(context, text, u"AcDbText"), text_(std::move(text)) {
        numberFrom(0x600);
        readWrite(
            u"TextString", [this](const Arguments&) { return stringValue(text_->GetTextString()); },
            [this](const Arguments& a) { text_->SetTextString(a.string(0)); });
        readWrite(
            u"Alignment", [this](const Arguments&) { return int32Value(text_->GetAlignment()); },
            [this](const Arguments& a) { text_->SetAlignment(a.integer(0)); });
        readWrite(
            u"InsertionPoint",
            [this](const Arguments&) { return pointValue(text_->GetInsertionPoint()); },
            [this](const Arguments& a) { text_->SetInsertionPoint(a.point(0)); });
        readWrite(
            u"TextAlignmentPoint",
            [this](const Arguments&) { return pointValue(text_->GetTextAlignmentPoint()); },
            [this](const Arguments& a) { text_->SetTextAlignmentPoint(a.point(0)); });
    }

private:
    bool offers(REFIID iid) const override {
        return iid == kTextInterface || EntityObject::offers(iid);
    }

    std::shared_ptr<cad::Text> text_;
};

class AttributeReferenceObject : public EntityObject {
public:
    AttributeReferenceObject(const ModelContext& context,
                             std::shared_ptr<cad::AttributeReference> attribute)
        : EntityObject(context, attribute, u"AcDbAttribute"), attribute_(std::move(attribute)) {
        numberFrom(0x800);
        read(u"TagString",
             [this](const Arguments&) { return stringValue(attribute_->TagString()); });
        readWrite(
            u"TextString",
            [this](const Arguments&) { return stringValue(attribute_->GetAttributeText()); },
            [this](const Arguments& a) { attribute_->SetAttributeText(a.string(0)); });
        read(u"InsertionPoint", [this](const Arguments&) {
            return pointValue(attribute_->GetAttributeInsertionPoint());
        });
        read(u"Alignment",
             [this](const Arguments&) { return int32Value(attribute_->Alignment()); });
    }

private:
    bool offers(REFIID iid) const override {
        return iid == kAttributeReferenceInterface || EntityObject::offers(iid);
    }

    std::shared_ptr<cad::AttributeReference> attribute_;
};

class BlockReferenceObject : public EntityObject {
public:
    BlockReferenceObject(const ModelContext& context, std::shared_ptr<cad::BlockReference> insert)
        : EntityObject(context, insert, u"AcDbBlockReference"), insert_(std::move(insert)) {
        numberFrom(0x700);
        read(u"HasAttributes",
             [this](const Arguments&) { return boolValue(insert_->GetHasAttributes()); });
        read(u"GetAttributes", [this](const Arguments&) { return attributes(); });
        read(u"InsertionPoint",
             [this](const Arguments&) { return pointValue(insert_->GetBlockInsertionPoint()); });
        read(u"Name", [this](const Arguments&) { return stringValue(insert_->GetBlockName()); });
    }

private:
    bool offers(REFIID iid) const override {
        return iid == kBlockReferenceInterface || EntityObject::offers(iid);
    }

    Value attributes() {
        std::vector<Value> objects;
        for (const auto& attribute : insert_->GetAttributes())
            objects.push_back(newObject<AttributeReferenceObject>(context(), attribute));
        if (!state().switches.attributesAsDispatchArray)
            return variantArray(std::move(objects));
        // The array takes over the references that the values held.
        std::vector<IDispatch*> pointers;
        for (Value& object : objects)
            pointers.push_back(V_DISPATCH(&object.get()));
        for (Value& object : objects)
            object.release();
        return dispatchArray(pointers);
    }

    std::shared_ptr<cad::BlockReference> insert_;
};

}  // namespace

Value entityObject(const ModelContext& context, const std::shared_ptr<cad::Object>& object) {
    if (auto text = std::dynamic_pointer_cast<cad::Text>(object))
        return newObject<TextObject>(context, std::move(text));
    if (auto insert = std::dynamic_pointer_cast<cad::BlockReference>(object))
        return newObject<BlockReferenceObject>(context, std::move(insert));
    if (auto attribute = std::dynamic_pointer_cast<cad::AttributeReference>(object))
        return newObject<AttributeReferenceObject>(context, std::move(attribute));
    throw cad::CadError(u"The object is of a kind this server does not serve.");
}

}  // namespace tavor::test::fakecad
