#include "comserver/server/ControlObject.h"

#include "cadlink/CadError.h"
#include "cadlink/sim/SampleDrawing.h"
#include "comserver/ControlProtocol.h"
#include "comserver/server/DispatchObject.h"

namespace tavor::test::fakecad {

namespace {

using namespace control;
using cad::sim::EntityKind;
using cad::sim::EntityRecord;

const char16_t* objectName(EntityKind kind) {
    switch (kind) {
        case EntityKind::Text:
            return u"AcDbText";
        case EntityKind::Insert:
            return u"AcDbBlockReference";
        case EntityKind::Attribute:
            break;
    }
    return u"AcDbAttribute";
}

// A block of the kind the CAD's drawings have: its frame's four lines first, then one attribute
// definition per tag, one under the other.
cad::sim::BlockRecord boxBlock(std::u16string name, const std::vector<std::u16string>& tags,
                               const std::vector<std::u16string>& prompts) {
    const double width = 40, height = 4.0 * static_cast<double>(tags.size() + 1);
    const auto line = [](double x1, double y1, double x2, double y2) {
        return cad::sim::BlockEntityRecord{u"AcDbLine", {}, {}, {}, {x1, y1, 0}, {x2, y2, 0}};
    };
    cad::sim::BlockRecord block{std::move(name),
                                {line(0, 0, width, 0), line(width, 0, width, height),
                                 line(width, height, 0, height), line(0, height, 0, 0)}};
    for (std::size_t i = 0; i < tags.size(); ++i)
        block.entities.push_back({u"AcDbAttributeDefinition",
                                  tags[i],
                                  prompts[i],
                                  {},
                                  {2, height - 4.0 * static_cast<double>(i + 1), 0},
                                  {}});
    return block;
}

class ControlObject : public DispatchObject {
public:
    explicit ControlObject(ServerState& server) : DispatchObject(server, Role::Control) {
        arrange();
        script();
        inspect();
    }

private:
    cad::sim::SimCad& cad() const { return state().cad(); }
    cad::sim::Drawing& drawing() const { return cad().drawing(); }

    void arrange() {
        action(kReset, 0, [this](const Arguments&) { state().reset(); });
        action(kAddLayer, 2,
               [this](const Arguments& a) { drawing().addLayer(a.string(0), a.boolean(1)); });
        method(
            kAddText,
            [this](const Arguments& a) {
                return stringValue(
                    drawing().addText({a.string(0), a.point(1), a.string(2), a.integer(3)}));
            },
            4);
        action(kDefineBlock, 3, [this](const Arguments& a) {
            const auto tags = a.strings(1), prompts = a.strings(2);
            if (tags.size() != prompts.size())
                throw CallFault{DISP_E_TYPEMISMATCH, 2};
            drawing().defineBlock(boxBlock(a.string(0), tags, prompts));
        });
        method(
            kAddBlockReference,
            [this](const Arguments& a) {
                const auto tags = a.strings(3), values = a.strings(4);
                if (tags.size() != values.size())
                    throw CallFault{DISP_E_TYPEMISMATCH, 4};
                std::vector<std::pair<std::u16string, std::u16string>> tagged;
                for (std::size_t i = 0; i < tags.size(); ++i)
                    tagged.emplace_back(tags[i], values[i]);
                const std::u16string block = a.string(0);
                return stringValue(drawing().addInsert(
                    {block, a.point(1), a.string(2), drawing().attributesOf(block, tagged)}));
            },
            5);
        action(kLoadSample, 0,
               [this](const Arguments&) { cad::sim::loadSampleDrawing(drawing()); });
    }

    void script() {
        action(kPickNext, 1,
               [this](const Arguments& a) { state().picker().pickNext(a.strings(0)); });
        action(kPickAllNext, 0, [this](const Arguments&) { state().picker().pickAllNext(); });
        action(kCancelNextPick, 0, [this](const Arguments&) { state().picker().cancelNext(); });
        action(kFailNext, 5, [this](const Arguments& a) {
            state().failures.add({a.string(0), static_cast<HRESULT>(a.integer(1)), a.string(2),
                                  a.boolean(4) ? FailureReport::ErrorInfo : FailureReport::Invoke,
                                  a.integer(3)});
        });
        action(kFailCall, 3, [this](const Arguments& a) {
            state().failures.failCall(a.integer(0),
                                      {{}, static_cast<HRESULT>(a.integer(1)), a.string(2)});
        });
        action(kRefuseNext, 2, [this](const Arguments& a) {
            cad().refusals().refuseNext(a.string(0), a.integer(1));
        });
        action(kSetSwitch, 2, [this](const Arguments& a) { setSwitch(a.string(0), a.boolean(1)); });
    }

    void setSwitch(const std::u16string& name, bool on) {
        Switches& s = state().switches;
        if (name == kLockedLayersRefuseWrites)
            cad().refusals().lockedLayersRefuseWrites = on;
        else if (name == kTextFilterIgnoresCase)
            cad().setTextFilterCase(on ? cad::sim::CaseRule::Insensitive
                                       : cad::sim::CaseRule::Sensitive);
        else if (name == kHwndAs32Bit)
            s.hwndAs32Bit = on;
        else if (name == kAttributesAsDispatchArray)
            s.attributesAsDispatchArray = on;
        else if (name == kAnswerInterfaceIds)
            s.answerInterfaceIds = on;
        else
            throw cad::CadError(u"There is no switch \"" + name + u"\".");
    }

    void inspect() {
        read(kLiveObjects, [this](const Arguments&) { return int32Value(state().liveObjects()); });
        read(kCalls, [this](const Arguments&) { return int32Value(state().failures.calls()); });
        read(kFailedMember,
             [this](const Arguments&) { return stringValue(state().failures.failedMember()); });
        read(kEntities, [this](const Arguments&) { return entities(); });
        read(
            kTextOf,
            [this](const Arguments& a) {
                const EntityRecord* e = drawing().find(a.string(0));
                return e && e->kind != EntityKind::Insert ? stringValue(e->text.string) : Value();
            },
            1);
        read(kSelectionSetNames, [this](const Arguments&) {
            std::vector<Value> names;
            for (const auto& set : drawing().selectionSets())
                names.push_back(stringValue(set->name));
            return variantArray(std::move(names));
        });
        read(kViewCentre, [this](const Arguments&) { return pointValue(cad().view().centre); });
        read(kViewHeight, [this](const Arguments&) { return doubleValue(cad().view().height); });
        read(kRegenerations,
             [this](const Arguments&) { return int32Value(cad().regenerations()); });
        read(kEntityUpdates,
             [this](const Arguments&) { return int32Value(cad().entityUpdates()); });
        read(kMainWindow, [this](const Arguments&) { return window(state().windows().main); });
        read(kViewWindow, [this](const Arguments&) { return window(state().windows().view); });
    }

    static Value window(HWND handle) {
        return int64Value(static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(handle)));
    }

    Value entities() const {
        std::vector<Value> rows;
        for (cad::sim::EntityId id : drawing().modelSpace()) {
            const EntityRecord& e = drawing().live(id);
            const bool isText = e.kind == EntityKind::Text;
            std::vector<Value> attributes;
            for (cad::sim::EntityId a : e.attributes) {
                const EntityRecord& attribute = drawing().live(a);
                attributes.push_back(stringValue(cad::sim::formatHandle(a)));
                attributes.push_back(stringValue(attribute.tag.str()));
                attributes.push_back(stringValue(attribute.text.string));
            }
            std::vector<Value> row;
            row.push_back(stringValue(cad::sim::formatHandle(id)));
            row.push_back(stringValue(objectName(e.kind)));
            row.push_back(stringValue(e.layer.str()));
            row.push_back(stringValue(isText ? e.text.string : e.blockName.str()));
            row.push_back(pointValue(isText ? e.referencePoint() : e.blockInsertion));
            row.push_back(int32Value(e.text.alignment));
            row.push_back(variantArray(std::move(attributes)));
            rows.push_back(variantArray(std::move(row)));
        }
        return variantArray(std::move(rows));
    }

    // A method without a value.
    template <class F>
    void action(const char16_t* name, std::size_t arguments, F body) {
        method(
            name,
            [body](const Arguments& a) {
                body(a);
                return Value();
            },
            arguments);
    }
};

}  // namespace

IDispatch* newControlObject(ServerState& state) {
    return new ControlObject(state);
}

}  // namespace tavor::test::fakecad
