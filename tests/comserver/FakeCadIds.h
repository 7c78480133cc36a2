#pragma once

#include <objbase.h>

namespace tavor::test::fakecad {

// The CAD application's class, as the client creates it.
inline constexpr CLSID kCadClassId = {
    0x449354E9, 0xCDD8, 0x4A11, {0xBD, 0x82, 0x0D, 0x4A, 0x3C, 0x21, 0xE7, 0xD2}};
// The control object through which tests arrange and inspect the fake server's drawing.
inline constexpr CLSID kControlClassId = {
    0x67A6C625, 0xF9F4, 0x49DD, {0x8B, 0x9F, 0x5D, 0x5A, 0xC3, 0x83, 0xC0, 0xF8}};

// The interfaces of the automation model that drawing objects answer to QueryInterface.
inline constexpr IID kObjectInterface = {
    0x153A7BFD, 0xAB55, 0x48D4, {0x81, 0xC7, 0x22, 0x25, 0x2D, 0x63, 0x5E, 0xCE}};
inline constexpr IID kEntityInterface = {
    0xFFE64704, 0xCEBD, 0x4C88, {0xA8, 0x67, 0xE7, 0xC8, 0x21, 0xAF, 0xE4, 0x88}};
inline constexpr IID kTextInterface = {
    0x9CD7E38D, 0x0003, 0x410D, {0xB6, 0xDF, 0xDE, 0x36, 0xFD, 0x19, 0x08, 0x50}};
inline constexpr IID kBlockReferenceInterface = {
    0xA40DEA37, 0x8356, 0x415A, {0xB3, 0xAC, 0xE0, 0x87, 0x81, 0x9C, 0x63, 0x01}};
inline constexpr IID kAttributeReferenceInterface = {
    0x090EF3DE, 0xE74D, 0x44C0, {0x8B, 0x8B, 0x89, 0xD0, 0xA7, 0x9F, 0xBE, 0x52}};

inline constexpr IID kModelInterfaces[] = {kObjectInterface, kEntityInterface, kTextInterface,
                                           kBlockReferenceInterface, kAttributeReferenceInterface};

// The file name of the server executable; it lies beside the test program.
inline constexpr wchar_t kServerFileName[] = L"tavor_fake_cad_server.exe";

}  // namespace tavor::test::fakecad
