#include "comserver/Registration.h"

#include <objbase.h>

#include "comserver/FakeCadIds.h"

namespace tavor::test::fakecad {

namespace {

// The standard proxy and stub of dispatch interfaces (oleaut32's PSDispatch).
constexpr wchar_t kDispatchProxy[] = L"{00020420-0000-0000-C000-000000000046}";

std::wstring guidText(const GUID& guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring classKey(const CLSID& id) {
    return L"Software\\Classes\\CLSID\\" + guidText(id);
}

std::wstring interfaceKey(const IID& id) {
    return L"Software\\Classes\\Interface\\" + guidText(id);
}

bool setDefault(HKEY root, const std::wstring& key, const std::wstring& value) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LSTATUS status =
        RegSetValueExW(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(opened);
    return status == ERROR_SUCCESS;
}

}  // namespace

bool registerServer(HKEY root, const std::wstring& serverPath, std::string& whyNot) {
    const std::wstring command = L"\"" + serverPath + L"\"";
    bool ok = true;
    for (const CLSID& id : {kCadClassId, kControlClassId})
        ok = ok && setDefault(root, classKey(id) + L"\\LocalServer32", command);
    for (const IID& id : kModelInterfaces)
        ok = ok && setDefault(root, interfaceKey(id) + L"\\ProxyStubClsid32", kDispatchProxy);
    if (!ok) {
        whyNot = "The fake CAD server's classes could not be written to the registry.";
        unregisterServer(root);
    }
    return ok;
}

void unregisterServer(HKEY root) {
    for (const CLSID& id : {kCadClassId, kControlClassId})
        RegDeleteTreeW(root, classKey(id).c_str());
    for (const IID& id : kModelInterfaces)
        RegDeleteTreeW(root, interfaceKey(id).c_str());
}

}  // namespace tavor::test::fakecad
