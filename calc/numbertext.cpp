// SPDX-License-Identifier: MIT
#include "numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

namespace calc {

namespace {

constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal exponents and digit counts are clamped here. Any magnitude past
// this is hopelessly outside the float range anyway, and keeping every sum of
// two clamped values far inside int64 means no arithmetic on them can wrap.
constexpr std::int64_t MagnitudeLimit = 1'000'000'000'000'000; // 1e15

constexpr std::int64_t clampedCount(std::size_t n)
{
    return n > static_cast<std::size_t>(MagnitudeLimit) ? MagnitudeLimit : static_cast<std::int64_t>(n);
}

// Every float and every midpoint between neighbouring floats has fewer than
// 120 significant decimal digits, so digits beyond this many can only decide
// on which side of such a point the value lies. One nonzero "sticky" digit
// standing in for them keeps that side, and keeps parsing linear and cheap.
constexpr std::size_t KeptDigits = 200;

// A value 0.d1d2d3... x 10^exponent with d1 != 0 (digits empty for zero).
struct DecimalValue {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
};

// The grammar: blanks, [+|-], digits [separator digits], [(E|e) [+|-] digits],
// blanks; at least one mantissa digit. Returns nothing for anything else.
std::optional<DecimalValue> parseDecimal(std::string_view text, std::string_view separator)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const std::string_view t = text.substr(begin, end - begin);

    DecimalValue result;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        result.negative = t[i] == '-';
        ++i;
    }

    const std::size_t intBegin = i;
    while (i < t.size() && isDigit(t[i]))
        ++i;
    const std::size_t intEnd = i;

    std::size_t fracBegin = i;
    std::size_t fracEnd = i;
    if (!separator.empty() && t.substr(i).starts_with(separator)) {
        i += separator.size();
        fracBegin = i;
        while (i < t.size() && isDigit(t[i]))
            ++i;
        fracEnd = i;
    }
    if (intEnd == intBegin && fracEnd == fracBegin)
        return std::nullopt;

    std::int64_t explicitExponent = 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        bool exponentNegative = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            exponentNegative = t[i] == '-';
            ++i;
        }
        const std::size_t expBegin = i;
        while (i < t.size() && isDigit(t[i])) {
            if (explicitExponent < MagnitudeLimit)
                explicitExponent = std::min(MagnitudeLimit, explicitExponent * 10 + (t[i] - '0'));
            ++i;
        }
        if (i == expBegin)
            return std::nullopt;
        if (exponentNegative)
            explicitExponent = -explicitExponent;
    }
    if (i != t.size())
        return std::nullopt;

    // Find the first significant digit and where it stands relative to the
    // separator; that fixes the decimal magnitude.
    const std::string_view intDigits = t.substr(intBegin, intEnd - intBegin);
    const std::string_view fracDigits = t.substr(fracBegin, fracEnd - fracBegin);
    std::string_view significant;
    std::string_view rest;
    std::int64_t magnitude = 0;
    if (const auto p = intDigits.find_first_not_of('0'); p != std::string_view::npos) {
        significant = intDigits.substr(p);
        rest = fracDigits;
        magnitude = clampedCount(significant.size());
    } else if (const auto q = fracDigits.find_first_not_of('0'); q != std::string_view::npos) {
        significant = fracDigits.substr(q);
        magnitude = -clampedCount(q);
    } else {
        return result; // zero, whatever the exponent says
    }
    result.exponent = magnitude + explicitExponent;

    const std::size_t fromSignificant = std::min(significant.size(), KeptDigits);
    const std::size_t fromRest = std::min(rest.size(), KeptDigits - fromSignificant);
    result.digits.reserve(KeptDigits + 1);
    result.digits.append(significant.substr(0, fromSignificant));
    result.digits.append(rest.substr(0, fromRest));
    const bool droppedNonZero = significant.substr(fromSignificant).find_first_not_of('0') != std::string_view::npos
                                || rest.substr(fromRest).find_first_not_of('0') != std::string_view::npos;
    if (droppedNonZero)
        result.digits.push_back('1');
    return result;
}

} // namespace

ParsedNumber TextToFloat(std::string_view text, std::string_view decimalSeparator)
{
    const auto parsed = parseDecimal(text, decimalSeparator);
    if (!parsed)
        return {0.0f, RuntimeError::TypeMismatch};
    const DecimalValue &value = *parsed;

    const float zero = value.negative ? -0.0f : 0.0f;
    if (value.digits.empty())
        return {zero, std::nullopt};
    // The largest float is about 0.34e39 and half the smallest denormal about
    // 0.7e-45, so outside these magnitudes the answer is known without
    // rounding anything; this also keeps huge exponents away from the library.
    if (value.exponent > 39)
        return {0.0f, RuntimeError::Overflow};
    if (value.exponent < -45)
        return {zero, std::nullopt};

    // A plain "d.ddd…e±x" copy: the one form the library reads exactly as we
    // mean it (it neither takes '+' nor a locale's separator).
    std::string normalised;
    normalised.reserve(value.digits.size() + 8);
    if (value.negative)
        normalised.push_back('-');
    normalised.push_back(value.digits.front());
    if (value.digits.size() > 1) {
        normalised.push_back('.');
        normalised.append(value.digits, 1);
    }
    normalised.push_back('e');
    std::array<char, 8> exponentText{};
    const auto written =
        std::to_chars(exponentText.data(), exponentText.data() + exponentText.size(), value.exponent - 1);
    normalised.append(exponentText.data(), written.ptr);

    float result = 0.0f;
    const char *first = normalised.data();
    const char *last = first + normalised.size();
    const auto [ptr, ec] = std::from_chars(first, last, result, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // The library leaves the value alone on both ends of the range. It
        // rounds into the denormals itself and gives up only when the nearest
        // float is zero, so at this magnitude the answer is a signed zero.
        if (value.exponent <= 0)
            return {zero, std::nullopt};
        return {0.0f, RuntimeError::Overflow};
    }
    if (ec != std::errc{} || ptr != last || !std::isfinite(result))
        return {0.0f, RuntimeError::TypeMismatch}; // cannot happen for the text built above
    return {result, std::nullopt};
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

    // "-d.dddddde-xx": the exact value rounded once to 7 significant digits
    // (an exact tie goes to even), so a carry already shows in the exponent:
    // 1e-4f is 9.99999975e-05 but shows plainly as 0.0001.
    std::array<char, 32> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 6);
    const std::string_view sci(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));

    const bool negative = sci.front() == '-';
    const std::string_view body = negative ? sci.substr(1) : sci;
    std::string digits;
    digits.push_back(body[0]);
    digits.append(body.substr(2, 6));
    int exponent = 0;
    const std::string_view exponentText = body.substr(body.find('e') + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    std::string text;
    if (negative)
        text.push_back('-');

    const auto appendFraction = [&](std::string_view fraction) {
        const auto lastNonZero = fraction.find_last_not_of('0');
        if (lastNonZero == std::string_view::npos)
            return;
        text.append(decimalSeparator);
        text.append(fraction.substr(0, lastNonZero + 1));
    };

    if (exponent >= 0 && exponent <= 6) {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        text.append(digits, 0, wholeDigits);
        appendFraction(std::string_view(digits).substr(wholeDigits));
    } else if (exponent >= -4 && exponent < 0) {
        text.push_back('0');
        const std::string fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        appendFraction(fraction);
    } else {
        text.push_back(digits[0]);
        appendFraction(std::string_view(digits).substr(1));
        text.push_back('E');
        text.push_back(exponent < 0 ? '-' : '+');
        const int shown = exponent < 0 ? -exponent : exponent;
        if (shown < 10)
            text.push_back('0');
        text.append(std::to_string(shown));
    }
    return text;
}

} // namespace calc
