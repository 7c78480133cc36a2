#include "comserver/FakeCadServer.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "base/TextUtil.h"
#include "comserver/ControlProtocol.h"
#include "comserver/Registration.h"

namespace tavor::test {

namespace {

using namespace fakecad;

std::unique_ptr<FakeCadServer> theServer;
std::string startFailure;

// Shuts the server down when the tests end, while COM is still up.
class Shutdown : public testing::Environment {
public:
    void TearDown() override { theServer.reset(); }
};
const testing::Environment* const shutdown = testing::AddGlobalTestEnvironment(new Shutdown);

bool runningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::wstring serverBesideThisProgram() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path, length);
    directory.erase(directory.find_last_of(L"\\/") + 1);
    return directory + kServerFileName;
}

std::string hexCode(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

std::string fromBstr(BSTR s) {
    return s ? toUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(s), SysStringLen(s)))
             : std::string();
}

// Starts the server through the control class registered under `root`.
IDispatch* start(HKEY root, const std::wstring& server, std::string& whyNot) {
    if (!registerServer(root, server, whyNot))
        return nullptr;
    IDispatch* control = nullptr;
    const HRESULT hr = CoCreateInstance(kControlClassId, nullptr, CLSCTX_LOCAL_SERVER,
                                        IID_IDispatch, reinterpret_cast<void**>(&control));
    if (SUCCEEDED(hr))
        return control;
    unregisterServer(root);
    whyNot = "The fake CAD server did not start (" + hexCode(hr) + ").";
    return nullptr;
}

[[noreturn]] void unknownForm() {
    throw std::runtime_error("The fake CAD's control object answered in an unknown form.");
}

template <class T>
T expect(std::optional<T> value) {
    if (!value)
        unknownForm();
    return std::move(*value);
}

template <class... V>
std::vector<Value> list(V&&... values) {
    std::vector<Value> out;
    (out.push_back(std::forward<V>(values)), ...);
    return out;
}

Value strings(const std::vector<std::u16string>& texts) {
    std::vector<Value> out;
    for (const auto& t : texts)
        out.push_back(stringValue(t));
    return variantArray(std::move(out));
}

Value column(const TagPairs& pairs, bool second) {
    std::vector<std::u16string> texts;
    for (const auto& [first, other] : pairs)
        texts.push_back(second ? other : first);
    return strings(texts);
}

}  // namespace

FakeCadServer* FakeCadServer::instance(std::string& whyNot) {
    if (!theServer && startFailure.empty())
        startFailure = startServer();
    whyNot = startFailure;
    return theServer.get();
}

std::string FakeCadServer::startServer() {
    if (!runningUnderWine())
        return "The fake CAD server runs under Wine only: elsewhere its registration would "
               "replace the real CAD's class.";
    const std::wstring server = serverBesideThisProgram();
    if (GetFileAttributesW(server.c_str()) == INVALID_FILE_ATTRIBUTES)
        return "The fake CAD server is not beside the test program.";
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return "COM could not be initialised for a single-threaded apartment.";
    // Wine may read the classes of the user's hive, or only the machine's.
    std::string userFailure, machineFailure;
    HKEY root = HKEY_CURRENT_USER;
    IDispatch* control = start(root, server, userFailure);
    if (!control) {
        root = HKEY_LOCAL_MACHINE;
        control = start(root, server, machineFailure);
    }
    if (!control) {
        CoUninitialize();
        return "Registered for the user: " + userFailure +
               " Registered for the machine: " + machineFailure;
    }
    theServer.reset(new FakeCadServer(control, root));
    return {};
}

FakeCadServer::~FakeCadServer() {
    control_->Release();
    unregisterServer(registry_);
    CoUninitialize();
}

Value FakeCadServer::call(const char16_t* name, std::vector<Value> arguments) {
    // Each lookup is a round trip to the server; the fault sweeps make thousands of calls.
    HRESULT hr = S_OK;
    auto known = ids_.find(name);
    if (known == ids_.end()) {
        LPOLESTR names[] = {const_cast<LPOLESTR>(reinterpret_cast<const wchar_t*>(name))};
        DISPID id = DISPID_UNKNOWN;
        hr = control_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
        if (SUCCEEDED(hr))
            known = ids_.emplace(name, id).first;
    }
    // DISPPARAMS lists the arguments last first; the copies are shallow, the values own them.
    std::vector<VARIANT> reversed;
    for (auto it = arguments.rbegin(); it != arguments.rend(); ++it)
        reversed.push_back(it->get());
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    Value result;
    EXCEPINFO info{};
    if (SUCCEEDED(hr))
        hr = control_->Invoke(known->second, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                              &params, result.put(), &info, nullptr);
    const std::string description = fromBstr(info.bstrDescription);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    if (FAILED(hr))
        throw std::runtime_error("The fake CAD's " + toUtf8(name) + " failed (" + hexCode(hr) +
                                 "): " + description);
    return result;
}

void FakeCadServer::reset() {
    call(control::kReset);
}

void FakeCadServer::addLayer(const std::u16string& name, bool locked) {
    call(control::kAddLayer, list(stringValue(name), boolValue(locked)));
}

cad::Handle FakeCadServer::addText(const std::u16string& string, const cad::Point& at,
                                   const std::u16string& layer, std::int32_t alignment) {
    return expect(asString(call(control::kAddText, list(stringValue(string), pointValue(at),
                                                        stringValue(layer), int32Value(alignment)))
                               .get()));
}

void FakeCadServer::defineBlock(const std::u16string& name, const TagPairs& tagsAndPrompts) {
    call(control::kDefineBlock,
         list(stringValue(name), column(tagsAndPrompts, false), column(tagsAndPrompts, true)));
}

cad::Handle FakeCadServer::addBlockReference(const std::u16string& block, const cad::Point& at,
                                             const std::u16string& layer,
                                             const TagPairs& tagsAndValues) {
    return expect(asString(call(control::kAddBlockReference,
                                list(stringValue(block), pointValue(at), stringValue(layer),
                                     column(tagsAndValues, false), column(tagsAndValues, true)))
                               .get()));
}

void FakeCadServer::loadSample() {
    call(control::kLoadSample);
}

void FakeCadServer::pickNext(const std::vector<cad::Handle>& handles) {
    call(control::kPickNext, list(strings(handles)));
}

void FakeCadServer::pickAllNext() {
    call(control::kPickAllNext);
}

void FakeCadServer::cancelNextPick() {
    call(control::kCancelNextPick);
}

void FakeCadServer::fail(const std::u16string& dispatchName, HRESULT code,
                         const std::u16string& message, int times, bool viaErrorInfo) {
    call(control::kFailNext, list(stringValue(dispatchName), int32Value(code), stringValue(message),
                                  int32Value(times), boolValue(viaErrorInfo)));
}

void FakeCadServer::failNext(const std::u16string& dispatchName, HRESULT code,
                             const std::u16string& message, int times) {
    fail(dispatchName, code, message, times, false);
}

void FakeCadServer::failNextViaErrorInfo(const std::u16string& dispatchName, HRESULT code,
                                         const std::u16string& message, int times) {
    fail(dispatchName, code, message, times, true);
}

void FakeCadServer::failCall(int k, HRESULT code, const std::u16string& message) {
    call(control::kFailCall, list(int32Value(k), int32Value(code), stringValue(message)));
}

void FakeCadServer::refuseNext(const std::u16string& roleName, int times) {
    call(control::kRefuseNext, list(stringValue(roleName), int32Value(times)));
}

void FakeCadServer::setSwitch(const char16_t* name, bool on) {
    call(control::kSetSwitch, list(stringValue(name), boolValue(on)));
}

void FakeCadServer::setLockedLayersRefuseWrites(bool on) {
    setSwitch(control::kLockedLayersRefuseWrites, on);
}

void FakeCadServer::setTextFilterIgnoresCase(bool on) {
    setSwitch(control::kTextFilterIgnoresCase, on);
}

void FakeCadServer::setHwndAs32Bit(bool on) {
    setSwitch(control::kHwndAs32Bit, on);
}

void FakeCadServer::setAttributesAsDispatchArray(bool on) {
    setSwitch(control::kAttributesAsDispatchArray, on);
}

void FakeCadServer::setAnswerInterfaceIds(bool on) {
    setSwitch(control::kAnswerInterfaceIds, on);
}

int FakeCadServer::liveObjects() {
    return static_cast<int>(expect(asInteger(call(control::kLiveObjects).get())));
}

int FakeCadServer::calls() {
    return static_cast<int>(expect(asInteger(call(control::kCalls).get())));
}

std::u16string FakeCadServer::failedMember() {
    return expect(asString(call(control::kFailedMember).get()));
}

std::vector<FakeEntity> FakeCadServer::entities() {
    const Value answer = call(control::kEntities);
    const VariantArrayView rows(answer.get());
    if (!rows.valid())
        unknownForm();
    std::vector<FakeEntity> out;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const VariantArrayView row(rows[i]);
        if (row.size() != control::kEntityFieldCount)
            unknownForm();
        FakeEntity e{expect(asString(row[control::kHandleField])),
                     expect(asString(row[control::kObjectNameField])),
                     expect(asString(row[control::kLayerField])),
                     expect(asString(row[control::kStringField])),
                     expect(asPoint(row[control::kPointField])),
                     static_cast<std::int32_t>(expect(asInteger(row[control::kAlignmentField]))),
                     {}};
        const auto attributes = expect(asStringArray(row[control::kAttributesField]));
        for (std::size_t a = 0; a + 2 < attributes.size(); a += 3)
            e.attributes.push_back({attributes[a], attributes[a + 1], attributes[a + 2]});
        out.push_back(std::move(e));
    }
    return out;
}

std::optional<std::u16string> FakeCadServer::textOf(const cad::Handle& handle) {
    return asString(call(control::kTextOf, list(stringValue(handle))).get());
}

std::vector<std::u16string> FakeCadServer::selectionSetNames() {
    return expect(asStringArray(call(control::kSelectionSetNames).get()));
}

cad::Point FakeCadServer::viewCentre() {
    return expect(asPoint(call(control::kViewCentre).get()));
}

double FakeCadServer::viewHeight() {
    return expect(asDouble(call(control::kViewHeight).get()));
}

int FakeCadServer::regenerations() {
    return static_cast<int>(expect(asInteger(call(control::kRegenerations).get())));
}

int FakeCadServer::entityUpdates() {
    return static_cast<int>(expect(asInteger(call(control::kEntityUpdates).get())));
}

std::uintptr_t FakeCadServer::mainWindow() {
    return static_cast<std::uintptr_t>(expect(asInteger(call(control::kMainWindow).get())));
}

std::uintptr_t FakeCadServer::viewWindow() {
    return static_cast<std::uintptr_t>(expect(asInteger(call(control::kViewWindow).get())));
}

void FakeCadServerTest::SetUp() {
    std::string whyNot;
    server_ = FakeCadServer::instance(whyNot);
    if (!server_)
        GTEST_SKIP() << whyNot;
    server_->reset();
}

}  // namespace tavor::test
