// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace calc {

namespace {

constexpr std::string_view Digits = "0123456789";

// Where the run of digits that starts at `at` ends.
std::size_t endOfDigits(std::string_view text, std::size_t at)
{
    return std::min(text.find_first_not_of(Digits, at), text.size());
}

// A number text taken apart by the grammar: blanks, [+|-], digits
// [separator digits], [(E|e) [+|-] digits], blanks, with at least one digit
// before the exponent.
struct NumberParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits; // empty when there is no exponent
};

std::optional<NumberParts> splitNumber(std::string_view text, std::string_view separator)
{
    text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
    text.remove_suffix(text.size() - (text.find_last_not_of(" \t") + 1));

    NumberParts parts;
    const auto sign = [&](std::size_t at, bool &negative) {
        negative = at < text.size() && text[at] == '-';
        return at < text.size() && (negative || text[at] == '+') ? at + 1 : at;
    };
    std::size_t at = sign(0, parts.negative);
    std::size_t end = endOfDigits(text, at);
    parts.integerDigits = text.substr(at, end - at);
    if (!separator.empty() && text.substr(end).starts_with(separator)) {
        at = end + separator.size();
        end = endOfDigits(text, at);
        parts.fractionDigits = text.substr(at, end - at);
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty())
        return std::nullopt;
    if (end < text.size() && (text[end] == 'E' || text[end] == 'e')) {
        at = sign(end + 1, parts.exponentNegative);
        end = endOfDigits(text, at);
        parts.exponentDigits = text.substr(at, end - at);
        if (parts.exponentDigits.empty())
            return std::nullopt;
    }
    if (end != text.size())
        return std::nullopt;
    return parts;
}

// Whether a number outside the float range lies above it rather than below:
// whether its first significant digit stands left of the separator once the
// exponent has moved it. Counts are clamped far inside int64, so that no sum
// of them wraps; any count that large decides the answer alone.
bool aboveFloatRange(const NumberParts &parts)
{
    constexpr std::int64_t Limit = 1'000'000'000'000'000;
    const auto clamped = [](std::size_t count) { return std::int64_t(std::min<std::size_t>(count, Limit)); };
    const std::size_t leading = parts.integerDigits.find_first_not_of('0');
    const std::int64_t place = leading != std::string_view::npos
                                   ? clamped(parts.integerDigits.size() - leading)
                                   : -clamped(parts.fractionDigits.find_first_not_of('0'));
    std::int64_t exponent = 0;
    for (const char digit : parts.exponentDigits)
        exponent = std::min(Limit, exponent * 10 + (digit - '0'));
    return place + (parts.exponentNegative ? -exponent : exponent) > 0;
}

} // namespace

ParsedNumber TextToFloat(std::string_view text, std::string_view decimalSeparator)
{
    const std::optional<NumberParts> parts = splitNumber(text, decimalSeparator);
    if (!parts)
        return {0.0f, RuntimeError::TypeMismatch};

    // The library takes a point for the separator and no plus sign before
    // the digits; it rounds the exact value once, however many digits.
    std::string plain;
    if (parts->negative)
        plain.push_back('-');
    plain.append(parts->integerDigits).append(".").append(parts->fractionDigits);
    if (!parts->exponentDigits.empty())
        plain.append(parts->exponentNegative ? "e-" : "e").append(parts->exponentDigits);

    float value = 0.0f;
    // Out of range either way leaves the value alone; below the smallest
    // float the nearest float is a zero.
    if (std::from_chars(plain.data(), plain.data() + plain.size(), value).ec == std::errc::result_out_of_range)
        return aboveFloatRange(*parts) ? ParsedNumber{0.0f, RuntimeError::Overflow}
                                       : ParsedNumber{parts->negative ? -0.0f : 0.0f, std::nullopt};
    return {value, std::nullopt};
}

std::string FloatToText(float value, std::string_view decimalSeparator)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    // Also catches -0: a minus sign on a zero length tells the user nothing.
    if (value == 0.0f)
        return "0";

    // printf's %.7g: the exact value rounded once to 7 significant digits,
    // plain from 0.0001 up to 1e7, otherwise "d.dddddde+dd", and trailing
    // zeros dropped.
    std::array<char, 32> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 7);
    std::string text(buffer.data(), written.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

} // namespace calc
