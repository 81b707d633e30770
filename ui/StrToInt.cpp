// Text to a 32-bit integer in the notation players of the Windows game are used to.
#include "StrToInt.h"

#include <limits>

namespace kestrune {

namespace {

int HexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::int32_t> StrToInt(QStringView text)
{
    qsizetype pos = 0;
    const qsizetype size = text.size();
    auto at = [&](qsizetype i) { return i < size ? text[i].unicode() : char16_t(0); };

    while (at(pos) == u' ')
        ++pos;
    bool negative = false;
    if (at(pos) == u'-' || at(pos) == u'+') {
        negative = at(pos) == u'-';
        ++pos;
    }

    bool hex = false;
    if (at(pos) == u'$' || at(pos) == u'x' || at(pos) == u'X') {
        hex = true;
        pos += 1;
    } else if (at(pos) == u'0' && (at(pos + 1) == u'x' || at(pos + 1) == u'X')) {
        hex = true;
        pos += 2;
    }

    if (pos >= size)
        return std::nullopt;

    const std::uint64_t limit = hex ? 0xFFFFFFFFu
                                    : negative ? std::uint64_t(std::numeric_limits<std::int32_t>::max()) + 1
                                               : std::uint64_t(std::numeric_limits<std::int32_t>::max());
    const int base = hex ? 16 : 10;
    std::uint64_t value = 0;
    for (; pos < size; ++pos) {
        const int digit = HexDigit(text[pos].unicode());
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * base + std::uint64_t(digit);
        if (value > limit)
            return std::nullopt;
    }

    if (hex) {
        const std::uint32_t bits = negative ? 0u - std::uint32_t(value) : std::uint32_t(value);
        return static_cast<std::int32_t>(bits);
    }
    return negative ? static_cast<std::int32_t>(0 - value) : static_cast<std::int32_t>(value);
}

}  // namespace kestrune
