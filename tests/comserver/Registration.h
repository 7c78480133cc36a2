#pragma once

#include <windows.h>

#include <string>

namespace tavor::test::fakecad {

// Writes the keys that let COM start the fake server: both class ids with the server as their
// LocalServer32, and the model's interface ids with the standard dispatch proxy, under
// root\Software\Classes. False (and the reason) when a key cannot be written.
bool registerServer(HKEY root, const std::wstring& serverPath, std::string& whyNot);
// Removes every key that registerServer writes.
void unregisterServer(HKEY root);

}  // namespace tavor::test::fakecad
