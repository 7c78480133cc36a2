#include "cadlink/CadError.h"
#include "cadlink/com/ComError.h"
#include "cadlink/com/ComObjects.h"
#include "cadlink/com/ComSession.h"

namespace tavor::cad::com {

namespace {

WindowId toWindowId(const VARIANT& value) {
    // A 32-bit server hands a window out as VT_I4, a 64-bit one as VT_I8: both are the HWND.
    return static_cast<WindowId>(toInteger(value));
}

class ComDocument final : public Document, ComRoleObject {
public:
    ComDocument(ComPtr<IDispatch> object, Session session)
        : ComRoleObject(std::move(object), std::move(session), &ComSession::document) {}

    std::shared_ptr<Layers> GetLayers() override {
        return makeLayers(toDispatch(d_.get(L"Layers").get()), session_);
    }
    std::shared_ptr<SelectionSets> GetSelectionSets() override {
        return makeSelectionSets(toDispatch(d_.get(L"SelectionSets").get()), session_);
    }
    std::shared_ptr<Object> GetObjectByHandle(const Handle& handle) override {
        return makeEntity(toDispatch(d_.call(L"HandleToObject", {stringValue(handle)}).get()),
                          session_);
    }
    std::shared_ptr<Blocks> GetBlocks() override {
        return makeBlocks(toDispatch(d_.get(L"Blocks").get()), session_);
    }
    void RegenerateDisplay(std::int32_t mode) override { d_.call(L"Regen", {integerValue(mode)}); }
    Variant GetSystemVariable(const std::u16string& name) override {
        return toCadVariant(d_.call(L"GetVariable", {stringValue(name)}).get());
    }
    WindowId GetDocumentWindowHandle() override { return toWindowId(d_.get(L"HWND").get()); }
    // Which call of the CAD's document this is cannot be seen from where it is made, and its
    // result is not used; nothing is sent rather than a guessed call that might fail the update.
    void BeginBulkUpdate() override {}
    void StartUndoMark() override { d_.call(L"StartUndoMark"); }
    void EndUndoMark() override { d_.call(L"EndUndoMark"); }
};

class ComApplication final : public Application, ComRoleObject {
public:
    ComApplication(ComPtr<IDispatch> object, ComPtr<IDispatch> plain, Session session)
        : ComRoleObject(std::move(object), std::move(session), &ComSession::application,
                        std::move(plain)) {}

    WindowId GetMainWindowHandle() override { return toWindowId(d_.get(L"HWND").get()); }
    std::shared_ptr<Document> GetActiveDocument() override {
        return makeDocument(toDispatch(d_.get(L"ActiveDocument").get()), session_);
    }
    void ZoomWindow(const Point& lowerLeft, const Point& upperRight) override {
        d_.call(L"ZoomWindow", {pointValue(lowerLeft), pointValue(upperRight)});
    }
};

}  // namespace

std::int32_t toInt32(const VARIANT& value) {
    const std::int64_t i = toInteger(value);
    if (i < INT32_MIN || i > INT32_MAX)
        throw CadError(u"The CAD returned a count out of range.", DISP_E_OVERFLOW);
    return static_cast<std::int32_t>(i);
}

std::shared_ptr<Document> makeDocument(ComPtr<IDispatch> object, const Session& session) {
    return std::make_shared<ComDocument>(std::move(object), session);
}

std::shared_ptr<Application> makeApplication(const ComPtr<IUnknown>& created) {
    ComPtr<IDispatch> plain = created.query<IDispatch>(IID_IDispatch);
    ComPtr<IDispatch> own = created.query<IDispatch>(kApplicationIid);
    if (!own)
        own = plain;
    if (!own)
        check(E_NOINTERFACE, u"Asking the CAD's application object for IDispatch");
    return std::make_shared<ComApplication>(std::move(own), std::move(plain),
                                            std::make_shared<ComSession>());
}

}  // namespace tavor::cad::com
