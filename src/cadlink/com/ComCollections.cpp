#include "cadlink/com/ComSession.h"

namespace tavor::cad::com {

namespace {

class ComLayer final : public Layer, ComRoleObject {
public:
    ComLayer(ComPtr<IDispatch> object, Session session)
        : ComRoleObject(std::move(object), std::move(session), &ComSession::layer) {}
    std::u16string Name() override { return name(); }
    bool Lock() override { return toBool(d_.get(L"Lock").get()); }
};

class ComLayers final : public Layers, ComRoleObject {
public:
    ComLayers(ComPtr<IDispatch> object, Session session)
        : ComRoleObject(std::move(object), std::move(session), &ComSession::layers) {}
    std::int32_t Count() override { return count(); }
    std::shared_ptr<Layer> Item(std::int32_t index) override {
        return std::make_shared<ComLayer>(item(index), session_);
    }
};

class ComSelectionSet final : public SelectionSet, ComRoleObject {
public:
    ComSelectionSet(ComPtr<IDispatch> object, Session session)
        : ComRoleObject(std::move(object), std::move(session), &ComSession::selectionSet) {}

    std::u16string GetSelectionSetName() override { return name(); }
    void ClearSelectionSet() override { d_.call(L"Clear"); }
    void SelectOnScreen(const SelectionFilter& filter) override {
        FilterValues f = filterValues(filter);
        d_.call(L"SelectOnScreen", {std::move(f.types), std::move(f.data)});
    }
    void SelectByMode(std::int32_t mode, const Point& corner1, const Point& corner2,
                      const SelectionFilter& filter) override {
        FilterValues f = filterValues(filter);
        // Selecting everything takes no corners: they are left out, as the CAD expects.
        const bool all = mode == kSelectAll;
        d_.call(L"Select", {integerValue(mode), all ? missingValue() : pointValue(corner1),
                            all ? missingValue() : pointValue(corner2), std::move(f.types),
                            std::move(f.data)});
    }
    std::int32_t GetEntityCount() override { return count(); }
    std::shared_ptr<Entity> GetEntityByIndex(std::int32_t index) override {
        return makeEntity(item(index), session_);
    }
    void DeleteSelectionSet() override { d_.call(L"Delete"); }
};

class ComSelectionSets final : public SelectionSets, ComRoleObject {
public:
    ComSelectionSets(ComPtr<IDispatch> object, Session session)
        : ComRoleObject(std::move(object), std::move(session), &ComSession::selectionSets) {}

    std::int32_t GetSelectionSetCount() override { return count(); }
    std::shared_ptr<SelectionSet> GetSelectionSetByIndex(std::int32_t index) override {
        return std::make_shared<ComSelectionSet>(item(index), session_);
    }
    std::shared_ptr<SelectionSet> AddSelectionSet(const std::u16string& name) override {
        return std::make_shared<ComSelectionSet>(
            toDispatch(d_.call(L"Add", {stringValue(name)}).get()), session_);
    }
};

class ComBlockEntity final : public BlockEntity, ComRoleObject {
public:
    ComBlockEntity(ComPtr<IDispatch> object, Session session)
        : ComRoleObject(std::move(object), std::move(session), &ComSession::blockEntity) {}
    std::u16string EntityName() override { return toString(d_.get(L"EntityName").get()); }
    std::u16string TagString() override { return toString(d_.get(L"TagString").get()); }
    std::u16string PromptString() override { return toString(d_.get(L"PromptString").get()); }
};

class ComBlockDefinition final : public BlockDefinition, ComRoleObject {
public:
    ComBlockDefinition(ComPtr<IDispatch> object, Session session)
        : ComRoleObject(std::move(object), std::move(session), &ComSession::block) {}
    std::u16string Name() override { return name(); }
    std::int32_t Count() override { return count(); }
    std::shared_ptr<BlockEntity> Item(std::int32_t index) override {
        return std::make_shared<ComBlockEntity>(item(index), session_);
    }
};

class ComBlocks final : public Blocks, ComRoleObject {
public:
    ComBlocks(ComPtr<IDispatch> object, Session session)
        : ComRoleObject(std::move(object), std::move(session), &ComSession::blocks) {}
    std::int32_t Count() override { return count(); }
    std::shared_ptr<BlockDefinition> Item(std::int32_t index) override {
        return std::make_shared<ComBlockDefinition>(item(index), session_);
    }
};

}  // namespace

std::shared_ptr<Layers> makeLayers(ComPtr<IDispatch> object, const Session& session) {
    return std::make_shared<ComLayers>(std::move(object), session);
}

std::shared_ptr<SelectionSets> makeSelectionSets(ComPtr<IDispatch> object, const Session& session) {
    return std::make_shared<ComSelectionSets>(std::move(object), session);
}

std::shared_ptr<Blocks> makeBlocks(ComPtr<IDispatch> object, const Session& session) {
    return std::make_shared<ComBlocks>(std::move(object), session);
}

}  // namespace tavor::cad::com
