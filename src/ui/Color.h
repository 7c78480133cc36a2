#pragma once

#include <cstdint>

namespace tavor {

// Colours as $00BBGGRR, the form the drawings' users know from the settings of their tools.
// clWindow is not a colour but "the system window colour", which the skin resolves.
using Color = std::uint32_t;

inline constexpr Color clBlack = 0x00000000;
inline constexpr Color clRed = 0x000000FF;
inline constexpr Color clYellow = 0x0000FFFF;
inline constexpr Color clWindow = 0xFF000005;
inline constexpr Color clWindowText = 0xFF000008;

}  // namespace tavor
