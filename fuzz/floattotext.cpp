// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Any float, written with each of the separators and read back. The text
// must have at most 7 significant digits and read back as the float nearest
// to the float rounded to 7 significant digits (glibc's printf rounds the
// exact binary value, its strtof rounds the decimal back). Writing and reading
// that float again gives the same float, so a value shown in a box and read
// from it again never drifts, and the same text too, but for one exception
// the 7 digits force: a text that is a power of ten, where the decimal steps
// below it are ten times finer than above, so the float nearest to it may lie
// below and show as 9.999999 times the next lower power (1E-38 reads as the
// float just under it, which shows as 9.999999E-39, which reads as the same
// float). Infinities and NaN must not read back as numbers.

#include "fuzzinput.h"
#include "numbertext.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace {

// printf and strtof follow the process locale; the reference must not.
locale_t cLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

float roundedToSevenDigits(float x)
{
    if (x == 0.0f)
        return 0.0f; // also for -0, which is shown as "0"
    const locale_t previous = uselocale(cLocale());
    char text[32];
    std::snprintf(text, sizeof text, "%.6e", static_cast<double>(x));
    uselocale(previous);
    return strtof_l(text, nullptr, cLocale());
}

int significantDigits(std::string_view text)
{
    const std::string_view mantissa = text.substr(0, text.find('E'));
    const auto first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    int count = 0;
    for (char c : mantissa.substr(first))
        count += c >= '0' && c <= '9';
    return count;
}

bool isPowerOfTen(std::string_view text, std::string_view separator)
{
    std::string digits;
    for (std::size_t i = text.starts_with('-') ? 1 : 0; i < text.size() && text[i] != 'E';) {
        if (text.substr(i).starts_with(separator)) {
            i += separator.size();
        } else {
            digits.push_back(text[i]);
            ++i;
        }
    }
    const auto first = digits.find_first_not_of('0');
    return first != std::string::npos && digits[first] == '1'
           && digits.find_first_not_of('0', first + 1) == std::string::npos;
}

bool sameFloat(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto [separator, payload] = fuzz::splitInput(data, size);
    std::uint32_t bits = 0;
    if (!payload.empty())
        std::memcpy(&bits, payload.data(), std::min(payload.size(), sizeof bits));
    const float x = std::bit_cast<float>(bits);

    const std::string text = calc::FloatToText(x, separator);
    const calc::ParsedNumber first = calc::TextToFloat(text, separator);
    if (!std::isfinite(x)) {
        if (first.error != calc::RuntimeError::TypeMismatch)
            fuzz::fail("the text of an infinity or NaN reads as something", data, size);
        return 0;
    }
    if (first.error)
        fuzz::fail("the text of a finite float does not read back", data, size);
    if (significantDigits(text) > 7)
        fuzz::fail("more than 7 significant digits", data, size);
    if (!sameFloat(first.value, roundedToSevenDigits(x)))
        fuzz::fail("does not read back as the float rounded to 7 digits", data, size);

    const std::string again = calc::FloatToText(first.value, separator);
    const calc::ParsedNumber second = calc::TextToFloat(again, separator);
    if (second.error || !sameFloat(second.value, first.value))
        fuzz::fail("a second round trip changes the value", data, size);
    if (again != text && !isPowerOfTen(text, separator))
        fuzz::fail("a second round trip changes the text", data, size);
    return 0;
}
