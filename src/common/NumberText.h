#pragma once

#include <QString>
#include <optional>

namespace horavine {

// Reads the whole text as a 32-bit integer the way skin texture names and settings values
// are read: optional leading spaces, an optional sign, then decimal digits, or hexadecimal
// digits after a "$", "x" or "0x" prefix (either letter case). Hexadecimal takes up to eight
// digits as a 32-bit pattern ("$FFFFFFFF" is -1); a decimal value must fit in 32 bits.
// Anything else (empty text, trailing characters, overflow) is not a number.
std::optional<int> ParseInteger(const QString& text);

} // namespace horavine
