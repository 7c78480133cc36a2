#include "comserver/server/DispatchObject.h"
#include "comserver/server/ModelObjects.h"

namespace tavor::test::fakecad {

namespace {

Value variableValue(const cad::Variant& value) {
    if (const auto* d = std::get_if<double>(&value))
        return doubleValue(*d);
    if (const auto* p = std::get_if<cad::Point>(&value))
        return pointValue(*p);
    if (const auto* i = std::get_if<std::int32_t>(&value))
        return int32Value(*i);
    if (const auto* s = std::get_if<std::u16string>(&value))
        return stringValue(*s);
    return Value();
}

class DocumentObject : public DispatchObject {
public:
    DocumentObject(ModelContext context, std::shared_ptr<cad::Document> document)
        : DispatchObject(context.state, Role::Model),
          context_(std::move(context)),
          document_(std::move(document)) {
        numberFrom(0x200);
        read(u"Layers",
             [this](const Arguments&) { return layersObject(context_, document_->GetLayers()); });
        read(u"SelectionSets", [this](const Arguments&) {
            return selectionSetsObject(context_, document_->GetSelectionSets());
        });
        read(u"Blocks",
             [this](const Arguments&) { return blocksObject(context_, document_->GetBlocks()); });
        read(
            u"HandleToObject",
            [this](const Arguments& a) {
                return entityObject(context_, document_->GetObjectByHandle(a.string(0)));
            },
            1);
        method(
            u"Regen",
            [this](const Arguments& a) {
                document_->RegenerateDisplay(a.integer(0));
                return Value();
            },
            1);
        method(u"StartUndoMark", [this](const Arguments&) {
            document_->StartUndoMark();
            return Value();
        });
        method(u"EndUndoMark", [this](const Arguments&) {
            document_->EndUndoMark();
            return Value();
        });
        read(
            u"GetVariable",
            [this](const Arguments& a) {
                return variableValue(document_->GetSystemVariable(a.string(0)));
            },
            1);
        read(u"HWND", [this](const Arguments&) {
            return wideInteger(state(),
                               static_cast<std::int64_t>(document_->GetDocumentWindowHandle()));
        });
    }

private:
    ModelContext context_;
    std::shared_ptr<cad::Document> document_;
};

class ApplicationObject : public DispatchObject {
public:
    explicit ApplicationObject(ServerState& server)
        : DispatchObject(server, Role::Model),
          context_{server, server.sharedCad()},
          application_(context_.cad->application()) {
        numberFrom(0x100);
        read(u"ActiveDocument", [this](const Arguments&) {
            return documentObject(context_, application_->GetActiveDocument());
        });
        read(u"HWND", [this](const Arguments&) {
            return wideInteger(state(),
                               static_cast<std::int64_t>(application_->GetMainWindowHandle()));
        });
        method(
            u"ZoomWindow",
            [this](const Arguments& a) {
                const cad::Point lowerLeft = a.point(0), upperRight = a.point(1);
                application_->ZoomWindow(lowerLeft, upperRight);
                return Value();
            },
            2);
    }

private:
    ModelContext context_;
    std::shared_ptr<cad::Application> application_;
};

}  // namespace

IDispatch* newApplicationObject(ServerState& state) {
    return new ApplicationObject(state);
}

Value documentObject(const ModelContext& context, std::shared_ptr<cad::Document> document) {
    return newObject<DocumentObject>(context, std::move(document));
}

Value wideInteger(const ServerState& state, std::int64_t value) {
    if (state.switches.hwndAs32Bit)
        return int32Value(static_cast<std::int32_t>(value));
    return int64Value(value);
}

}  // namespace tavor::test::fakecad
