#pragma once

#include <cstdint>

// The old toolkit's colours: 0x00BBGGRR.
using TColor = std::uint32_t;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBtnFace = 0xF0F0F0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
