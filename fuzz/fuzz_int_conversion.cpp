// Fuzzes the options dialog's text-to-integer conversion against a plain reference.
//
// An input is read twice: each byte as one character, and each pair of bytes as one UTF-16 unit.
#include "StrToInt.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The same notation, worked out differently: the text is split into spaces, sign, base prefix and
// digits first; leading zeros are dropped and the digits counted before anything is added up.
std::optional<std::int32_t> Reference(std::u16string_view s)
{
    const std::size_t start = s.find_first_not_of(u' ');
    if (start == std::u16string_view::npos)
        return std::nullopt;
    s.remove_prefix(start);
    bool negative = false;
    if (s.front() == u'+' || s.front() == u'-') {
        negative = s.front() == u'-';
        s.remove_prefix(1);
    }
    int base = 10;
    for (std::u16string_view prefix : {u"0x", u"0X", u"$", u"x", u"X"}) {
        if (s.substr(0, prefix.size()) == prefix) {
            base = 16;
            s.remove_prefix(prefix.size());
            break;
        }
    }
    const std::u16string_view digits = base == 16 ? u"0123456789abcdefABCDEF" : u"0123456789";
    if (s.empty() || s.find_first_not_of(digits) != std::u16string_view::npos)
        return std::nullopt;
    const std::size_t significant = s.find_first_not_of(u'0');
    s = significant == std::u16string_view::npos ? std::u16string_view() : s.substr(significant);
    if (s.size() > (base == 16 ? 8u : 10u))
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char16_t c : s) {
        const std::size_t at = digits.find(c);  // "A" to "F" follow "a" to "f" in the list
        value = value * base + (at < 16 ? at : at - 6);
    }
    if (base == 16) {
        const std::uint32_t bits = negative ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
        return static_cast<std::int32_t>(bits);
    }
    const std::int64_t signedValue = negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
    if (signedValue < std::numeric_limits<std::int32_t>::min() || signedValue > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(signedValue);
}

void Compare(std::u16string_view text)
{
    const std::optional<std::int32_t> got = kestrune::StrToInt(QStringView(text.data(), text.size()));
    const std::optional<std::int32_t> want = Reference(text);
    if (got != want) {
        std::fprintf(stderr, "StrToInt gave %s%d, the reference %s%d\n", got ? "" : "none ", got.value_or(0),
                     want ? "" : "none ", want.value_or(0));
        std::abort();
    }
    // Whatever is accepted, its own decimal form reads back as the same value.
    if (got && kestrune::StrToInt(QString::number(*got)) != got) {
        std::fprintf(stderr, "%d does not read back\n", *got);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string bytes(data, data + size);
    Compare(bytes);
    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    Compare(units);
    return 0;
}
