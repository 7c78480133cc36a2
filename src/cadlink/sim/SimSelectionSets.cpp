#include "cadlink/sim/SimSelectionSets.h"

#include <unordered_set>

#include "base/TextUtil.h"
#include "cadlink/CadError.h"
#include "cadlink/sim/FilterMatch.h"
#include "cadlink/sim/SimEntities.h"

namespace tavor::cad::sim {

namespace {

class SimSelectionSet : public SelectionSet {
public:
    SimSelectionSet(std::shared_ptr<SimCad> cad, std::shared_ptr<SelectionSetRecord> set)
        : cad_(std::move(cad)), set_(std::move(set)) {}

    std::u16string GetSelectionSetName() override { return live(u"GetSelectionSetName").name; }

    void ClearSelectionSet() override { live(u"ClearSelectionSet").members.clear(); }

    void SelectOnScreen(const SelectionFilter& filter) override {
        SelectionSetRecord& set = live(u"SelectOnScreen");
        const CompiledFilter compiled(filter, cad_->textFilterCase());
        Picker* picker = cad_->picker();
        if (!picker)
            throw CadError(u"Picking on screen is not available.");
        const Drawing& drawing = cad_->drawing();
        const auto picked = picker->pickEntities(
            {drawing, [&](const EntityRecord& e) { return isTopLevel(e) && compiled.accepts(e); }});
        if (!picked)
            throw CadError(u"The pick was cancelled.");
        // The set may have been deleted while the pick ran.
        if (set_->deleted)
            throw CadError(u"The selection set has been deleted.");
        Members members(set);
        for (const Handle& h : *picked) {
            const EntityRecord* e = drawing.find(h);
            if (e && isTopLevel(*e) && compiled.accepts(*e))
                members.add(e->id);
        }
    }

    void SelectByMode(std::int32_t mode, const Point&, const Point&,
                      const SelectionFilter& filter) override {
        SelectionSetRecord& set = live(u"SelectByMode");
        if (mode != kSelectAll)
            throw CadError(u"The selection mode " + toU16(mode) + u" is not supported.");
        const CompiledFilter compiled(filter, cad_->textFilterCase());
        const Drawing& drawing = cad_->drawing();
        Members members(set);
        for (EntityId id : drawing.modelSpace())
            if (compiled.accepts(drawing.live(id)))
                members.add(id);
    }

    std::int32_t GetEntityCount() override {
        return static_cast<std::int32_t>(live(u"GetEntityCount").members.size());
    }

    std::shared_ptr<Entity> GetEntityByIndex(std::int32_t index) override {
        const SelectionSetRecord& set = live(u"GetEntityByIndex");
        return makeEntityObject(cad_, set.members[checkedIndex(index, set.members.size())]);
    }

    void DeleteSelectionSet() override {
        live(u"DeleteSelectionSet");
        cad_->drawing().deleteSelectionSet(set_);
    }

private:
    static bool isTopLevel(const EntityRecord& e) { return e.kind != EntityKind::Attribute; }

    // Adds entities to a set once each, in constant time per entity, so that selecting the
    // whole of a large drawing stays linear.
    class Members {
    public:
        explicit Members(SelectionSetRecord& set)
            : set_(set), present_(set.members.begin(), set.members.end()) {}
        void add(EntityId id) {
            if (present_.insert(id).second)
                set_.members.push_back(id);
        }

    private:
        SelectionSetRecord& set_;
        std::unordered_set<EntityId> present_;
    };

    SelectionSetRecord& live(std::u16string_view operation) {
        cad_->enter(operation);
        if (set_->deleted)
            throw CadError(u"The selection set \"" + set_->name + u"\" has been deleted.");
        return *set_;
    }

    std::shared_ptr<SimCad> cad_;
    std::shared_ptr<SelectionSetRecord> set_;
};

class SimSelectionSets : public SelectionSets {
public:
    explicit SimSelectionSets(std::shared_ptr<SimCad> cad) : cad_(std::move(cad)) {}

    std::int32_t GetSelectionSetCount() override {
        cad_->enter(u"GetSelectionSetCount");
        return static_cast<std::int32_t>(cad_->drawing().selectionSets().size());
    }

    std::shared_ptr<SelectionSet> GetSelectionSetByIndex(std::int32_t index) override {
        cad_->enter(u"GetSelectionSetByIndex");
        const auto& sets = cad_->drawing().selectionSets();
        return std::make_shared<SimSelectionSet>(cad_, sets[checkedIndex(index, sets.size())]);
    }

    std::shared_ptr<SelectionSet> AddSelectionSet(const std::u16string& name) override {
        cad_->enter(u"AddSelectionSet");
        return std::make_shared<SimSelectionSet>(cad_, cad_->drawing().addSelectionSet(name));
    }

private:
    std::shared_ptr<SimCad> cad_;
};

}  // namespace

std::shared_ptr<SelectionSets> makeSelectionSetsObject(const std::shared_ptr<SimCad>& cad) {
    return std::make_shared<SimSelectionSets>(cad);
}

}  // namespace tavor::cad::sim
