// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Any bytes, read as number text with each of the separators. Whatever the
// text, the reading must not crash, and it must agree with glibc's strtof,
// which rounds the exact decimal value once and so gives the correctly
// rounded float: an accepted text reads as exactly that float, an overflow
// is a text strtof reads as infinite, and a text of plain number characters
// is refused only when strtof cannot read all of it either.

#include "fuzzinput.h"
#include "numbertext.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <locale.h>
#include <optional>
#include <stdlib.h>
#include <string>

namespace {

// strtof follows the process locale, which in a comma locale would stop it
// at the '.' of the normalised copy.
locale_t cLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
constexpr bool isPlainNumberChar(char c)
{
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E' || isBlank(c);
}

// The text as strtof wants it: blanks around it cut off (strtof would skip
// only the leading ones) and each separator turned into '.'. Empty when the
// text holds anything but digits, signs, exponent letters, blanks and the
// separator: strtof also reads "inf", "nan" and hexadecimal, which we do not
// count as numbers, so only for plain texts do the two grammars coincide.
std::optional<std::string> plainCopy(std::string_view text, std::string_view separator)
{
    std::string copy;
    copy.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i).starts_with(separator)) {
            copy.push_back('.');
            i += separator.size();
        } else if (isPlainNumberChar(text[i])) {
            copy.push_back(text[i]);
            ++i;
        } else {
            return std::nullopt;
        }
    }
    const auto first = copy.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return copy.substr(first, copy.find_last_not_of(" \t") - first + 1);
}

struct Reference {
    bool readWhole = false;
    float value = 0.0f;
};

Reference strtofReading(const std::string &plain)
{
    if (plain.empty())
        return {};
    char *end = nullptr;
    const float value = strtof_l(plain.c_str(), &end, cLocale());
    return {end == plain.c_str() + plain.size(), value};
}

bool sameFloat(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto [separator, text] = fuzz::splitInput(data, size);
    const calc::ParsedNumber parsed = calc::TextToFloat(text, separator);
    const auto plain = plainCopy(text, separator);
    const Reference reference = plain ? strtofReading(*plain) : Reference{};

    if (!parsed.error) {
        if (!std::isfinite(parsed.value))
            fuzz::fail("an accepted text gave a value that is not finite", data, size);
        if (!plain || !reference.readWhole)
            fuzz::fail("accepted a text that is not a plain decimal number", data, size);
        if (!sameFloat(parsed.value, reference.value))
            fuzz::fail("the value is not the correctly rounded float", data, size);
        return 0;
    }
    switch (*parsed.error) {
    case calc::RuntimeError::Overflow:
        if (!plain || !reference.readWhole || !std::isinf(reference.value))
            fuzz::fail("overflow for a text that is not a number beyond the float range", data, size);
        break;
    case calc::RuntimeError::TypeMismatch:
        if (plain && reference.readWhole)
            fuzz::fail("refused a plain decimal number", data, size);
        break;
    default:
        fuzz::fail("an error that reading a number cannot raise", data, size);
    }
    return 0;
}
