#pragma once

namespace tavor {

// Virtual key codes as the grids' key handlers receive them; 0 means the key was consumed.
using KeyCode = int;
inline constexpr KeyCode kKeyConsumed = 0;
inline constexpr KeyCode vkReturn = 13;
inline constexpr KeyCode vkDelete = 46;
inline constexpr KeyCode vkC = 67;
inline constexpr KeyCode vkV = 86;
inline constexpr KeyCode vkX = 88;
inline constexpr KeyCode vkZ = 90;

// The modifier keys held with a key.
struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

}  // namespace tavor
