#include "cadlink/CadError.h"
#include "cadlink/sim/Drawing.h"
#include "comserver/server/DispatchObject.h"
#include "comserver/server/ModelObjects.h"

namespace tavor::test::fakecad {

namespace {

class LayerObject : public DispatchObject {
public:
    LayerObject(const ModelContext& context, std::shared_ptr<cad::Layer> layer)
        : DispatchObject(context.state, Role::Model), layer_(std::move(layer)) {
        numberFrom(0x480);
        read(u"Name", [this](const Arguments&) { return stringValue(layer_->Name()); });
        read(u"Lock", [this](const Arguments&) { return boolValue(layer_->Lock()); });
    }

private:
    std::shared_ptr<cad::Layer> layer_;
};

class LayersObject : public DispatchObject {
public:
    LayersObject(ModelContext context, std::shared_ptr<cad::Layers> layers)
        : DispatchObject(context.state, Role::Model),
          context_(std::move(context)),
          layers_(std::move(layers)) {
        numberFrom(0x400);
        read(u"Count", [this](const Arguments&) { return int32Value(layers_->Count()); });
        read(
            u"Item",
            [this](const Arguments& a) {
                return newObject<LayerObject>(context_, layers_->Item(a.integer(0)));
            },
            1);
    }

private:
    ModelContext context_;
    std::shared_ptr<cad::Layers> layers_;
};

class BlockEntityObject : public DispatchObject {
public:
    BlockEntityObject(const ModelContext& context, std::shared_ptr<cad::BlockEntity> entity)
        : DispatchObject(context.state, Role::Model), entity_(std::move(entity)) {
        numberFrom(0x5C0);
        const auto name = [this](const Arguments&) { return stringValue(entity_->EntityName()); };
        read(u"EntityName", name);
        read(u"ObjectName", name);
        read(u"TagString", [this](const Arguments&) { return stringValue(entity_->TagString()); });
        read(u"PromptString",
             [this](const Arguments&) { return stringValue(entity_->PromptString()); });
    }

private:
    std::shared_ptr<cad::BlockEntity> entity_;
};

class BlockObject : public DispatchObject {
public:
    BlockObject(ModelContext context, std::shared_ptr<cad::BlockDefinition> block)
        : DispatchObject(context.state, Role::Model),
          context_(std::move(context)),
          block_(std::move(block)) {
        numberFrom(0x580);
        read(u"Name", [this](const Arguments&) { return stringValue(block_->Name()); });
        read(u"Count", [this](const Arguments&) { return int32Value(block_->Count()); });
        read(
            u"Item",
            [this](const Arguments& a) {
                return newObject<BlockEntityObject>(context_, block_->Item(a.integer(0)));
            },
            1);
    }

private:
    ModelContext context_;
    std::shared_ptr<cad::BlockDefinition> block_;
};

class BlocksObject : public DispatchObject {
public:
    BlocksObject(ModelContext context, std::shared_ptr<cad::Blocks> blocks)
        : DispatchObject(context.state, Role::Model),
          context_(std::move(context)),
          blocks_(std::move(blocks)) {
        numberFrom(0x500);
        read(u"Count", [this](const Arguments&) { return int32Value(blocks_->Count()); });
        read(
            u"Item",
            [this](const Arguments& a) {
                return newObject<BlockObject>(context_, blocks_->Item(a.integer(0)));
            },
            1);
    }

private:
    ModelContext context_;
    std::shared_ptr<cad::Blocks> blocks_;
};

class SelectionSetObject : public DispatchObject {
public:
    SelectionSetObject(ModelContext context, std::shared_ptr<cad::SelectionSet> set)
        : DispatchObject(context.state, Role::Model),
          context_(std::move(context)),
          set_(std::move(set)) {
        numberFrom(0x380);
        read(u"Name",
             [this](const Arguments&) { return stringValue(set_->GetSelectionSetName()); });
        method(u"Clear", [this](const Arguments&) {
            set_->ClearSelectionSet();
            return Value();
        });
        method(
            u"SelectOnScreen",
            [this](const Arguments& a) {
                set_->SelectOnScreen(a.filter(0));
                return Value();
            },
            0, 2);
        method(
            u"Select",
            [this](const Arguments& a) {
                const std::int32_t mode = a.integer(0);
                const cad::Point first = a.given(1) ? a.point(1) : cad::Point{};
                const cad::Point second = a.given(2) ? a.point(2) : cad::Point{};
                set_->SelectByMode(mode, first, second, a.filter(3));
                return Value();
            },
            1, 4);
        read(u"Count", [this](const Arguments&) { return int32Value(set_->GetEntityCount()); });
        read(
            u"Item",
            [this](const Arguments& a) {
                return entityObject(context_, set_->GetEntityByIndex(a.integer(0)));
            },
            1);
        method(u"Delete", [this](const Arguments&) {
            set_->DeleteSelectionSet();
            return Value();
        });
    }

private:
    ModelContext context_;
    std::shared_ptr<cad::SelectionSet> set_;
};

class SelectionSetsObject : public DispatchObject {
public:
    SelectionSetsObject(ModelContext context, std::shared_ptr<cad::SelectionSets> sets)
        : DispatchObject(context.state, Role::Model),
          context_(std::move(context)),
          sets_(std::move(sets)) {
        numberFrom(0x300);
        read(u"Count",
             [this](const Arguments&) { return int32Value(sets_->GetSelectionSetCount()); });
        read(
            u"Item",
            [this](const Arguments& a) {
                return selectionSetObject(context_, sets_->GetSelectionSetByIndex(index(a)));
            },
            1);
        method(
            u"Add",
            [this](const Arguments& a) {
                return selectionSetObject(context_, sets_->AddSelectionSet(a.string(0)));
            },
            1);
    }

private:
    // "Item" takes an index of any integer width or the set's name.
    std::int32_t index(const Arguments& a) const {
        if (!asString(a.raw(0)))
            return a.integer(0);
        const std::u16string name = a.string(0);
        const auto& sets = context_.cad->drawing().selectionSets();
        for (std::size_t i = 0; i < sets.size(); ++i)
            if (cad::sim::sameNameIgnoringCase(sets[i]->name, name))
                return static_cast<std::int32_t>(i);
        throw cad::CadError(u"No selection set is named \"" + name + u"\".");
    }

    ModelContext context_;
    std::shared_ptr<cad::SelectionSets> sets_;
};

}  // namespace

Value layersObject(const ModelContext& context, std::shared_ptr<cad::Layers> layers) {
    return newObject<LayersObject>(context, std::move(layers));
}

Value blocksObject(const ModelContext& context, std::shared_ptr<cad::Blocks> blocks) {
    return newObject<BlocksObject>(context, std::move(blocks));
}

Value selectionSetsObject(const ModelContext& context, std::shared_ptr<cad::SelectionSets> sets) {
    return newObject<SelectionSetsObject>(context, std::move(sets));
}

Value selectionSetObject(const ModelContext& context, std::shared_ptr<cad::SelectionSet> set) {
    return newObject<SelectionSetObject>(context, std::move(set));
}

}  // namespace tavor::test::fakecad
