#pragma once

#include <cstdint>
#include <string>

// A colour value as the store keeps it: 0x00BBGGRR (red in the low byte) for a plain colour,
// 0x80000000 plus an index for a colour of the desktop's scheme, and two special values.
using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor kSystemColorFlag = 0x80000000;

// The text of a colour: one of the 49 colour names when the value has one, otherwise "$"
// and eight upper-case hexadecimal digits.
std::string ColorToString(TColor color);

// A colour name (any case) or a 32-bit integer: blanks first allowed, an optional sign,
// decimal digits or hexadecimal ones after "$", "x" or "0x". Anything else throws
// AppError("'<text>' is not a valid integer value").
TColor StringToColor(const std::string& text);
