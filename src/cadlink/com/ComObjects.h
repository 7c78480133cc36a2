#pragma once

#include <windows.h>

#include <memory>

#include "cadlink/Document.h"
#include "cadlink/com/ComPtr.h"

namespace tavor::cad::com {

// The interface IDs by which the CAD's objects tell their kind, where the server answers them.
// {AFAB189D-226A-4047-B98F-CD75CE56DDE4}
inline constexpr IID kApplicationIid = {
    0xAFAB189D, 0x226A, 0x4047, {0xB9, 0x8F, 0xCD, 0x75, 0xCE, 0x56, 0xDD, 0xE4}};
// {9CD7E38D-0003-410D-B6DF-DE36FD190850}
inline constexpr IID kTextIid = {
    0x9CD7E38D, 0x0003, 0x410D, {0xB6, 0xDF, 0xDE, 0x36, 0xFD, 0x19, 0x08, 0x50}};
// {A40DEA37-8356-415A-B3AC-E087819C6301}
inline constexpr IID kBlockReferenceIid = {
    0xA40DEA37, 0x8356, 0x415A, {0xB3, 0xAC, 0xE0, 0x87, 0x81, 0x9C, 0x63, 0x01}};
// {090EF3DE-E74D-44C0-8B8B-89D0A79FBE52}
inline constexpr IID kAttributeReferenceIid = {
    0x090EF3DE, 0xE74D, 0x44C0, {0x8B, 0x8B, 0x89, 0xD0, 0xA7, 0x9F, 0xBE, 0x52}};

// The automation model over the CAD's IDispatch objects, from the application object as it was
// created: reached through the application's own interface where the object answers it (and
// through its plain IDispatch for the names that interface does not resolve), else through plain
// IDispatch. Raises CadError when it offers neither. Every object of one application shares the
// dispatch ids resolved for its interface; each object releases its reference when the last
// shared_ptr to it goes.
std::shared_ptr<Application> makeApplication(const ComPtr<IUnknown>& created);

}  // namespace tavor::cad::com
