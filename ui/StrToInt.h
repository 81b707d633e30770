// Text to a 32-bit integer in the notation players of the Windows game are used to.
#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>

namespace kestrune {

// The whole text must be: any number of leading spaces, an optional '+' or '-', then either
// decimal digits or a hexadecimal number after "$", "x" or "0x" (any case of x and of the digits).
// Decimal values must lie in the 32-bit signed range. Hexadecimal values may use all 32 bits and
// are read as two's complement ("$FFFFFFFF" is -1); a '-' before them negates that value, with
// the wrap of 32-bit arithmetic ("-$1E" is -30, "-$80000000" is -2147483648).
// Anything else (empty text, no digits, a trailing space, another character) gives none.
std::optional<std::int32_t> StrToInt(QStringView text);

}  // namespace kestrune
