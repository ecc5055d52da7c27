#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Whole numbers stored as text: blanks first allowed, an optional sign, then decimal digits,
// or hexadecimal ones after "$", "x" or "0x". Decimal numbers must fit a signed 32-bit
// integer; hexadecimal ones may use all 32 bits.
std::optional<std::int32_t> TryStrToInt(const std::string& text);

// The same reading; text that is no such number throws
// AppError("'<text>' is not a valid integer value").
std::int32_t StrToInt(const std::string& text);
