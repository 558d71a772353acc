// SPDX-License-Identifier: MIT
// Any float, written with each of the separators and read back. The text
// must have at most 7 significant digits and read back as the float nearest
// to the float rounded to 7 significant digits (glibc's printf rounds the
// exact binary value, its strtof rounds the decimal back); writing that float
// again gives the same text, so a value shown in a box and read from it again
// never drifts. Infinities and NaN must not read back as numbers.

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

bool sameFloat(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

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
    if (again != text)
        fuzz::fail("a second round trip changes the text", data, size);
    return 0;
}
