// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "lengthcalculation.h"

#include "numbertext.h"

#include <cmath>
#include <limits>

namespace calc {

namespace {

struct UnitSystem {
    // Half a wavelength in the large unit times megahertz.
    double numerator;
    // Turns the stored remainder (a fraction of one large unit) into what is
    // kept in the state, and the kept value into what the box shows. Feet keep
    // inches; metres keep the bare fraction and show centimetres.
    double storedPerLargeUnit;
    double shownPerStored;
    const char *largeUnitWord;
    const char *smallUnitWord;
};

constexpr UnitSystem Feet{492.0, 12.0, 1.0, "FEET", "INCHES"};
// 149.8 stays the double nearest to it: rounding it to a float first would
// shift every metric length in the seventh digit.
constexpr UnitSystem Metres{149.8, 1.0, 100.0, "METERS", "CM"};

// The velocity factors are below 1 and every remainder is below one large
// unit, so once the overall length is finite nothing after it can overflow:
// the division is the last step that can fail.
SplitLengths split(double quotient, const UnitSystem &units, float velocityFactor, std::string_view decimalSeparator)
{
    SplitLengths kept;
    // From the double quotient, not from the rounded overall length, so the
    // coax length carries only one rounding.
    kept.CoaxLength = static_cast<float>(quotient * static_cast<double>(velocityFactor));

    // The splits work on the lengths as stored, rounded to float.
    const double overall = static_cast<float>(quotient);
    kept.OverallMajor = static_cast<float>(std::floor(overall));
    kept.OverallMinor = static_cast<float>((overall - std::floor(overall)) * units.storedPerLargeUnit);
    const double coax = kept.CoaxLength;
    kept.CoaxMajor = static_cast<float>(std::floor(coax));
    kept.CoaxMinor = static_cast<float>((coax - std::floor(coax)) * units.storedPerLargeUnit);

    // The shown remainders are rounded to float only for display and never
    // kept, so the state holds the unscaled metric fraction.
    const auto shown = [&](float remainder) {
        return FloatToText(static_cast<float>(static_cast<double>(remainder) * units.shownPerStored), decimalSeparator);
    };
    kept.texts = {FloatToText(kept.OverallMajor, decimalSeparator),
                  shown(kept.OverallMinor),
                  FloatToText(kept.CoaxMajor, decimalSeparator),
                  shown(kept.CoaxMinor),
                  units.largeUnitWord,
                  units.smallUnitWord};
    return kept;
}

const UnitSystem &unitSystem(Units units)
{
    return units == Units::FeetAndInches ? Feet : Metres;
}

} // namespace

UnitWords unitWords(Units units)
{
    return {unitSystem(units).largeUnitWord, unitSystem(units).smallUnitWord};
}

std::string rowStatement(std::string_view row, std::string_view whole, std::string_view largeUnit,
                         std::string_view remainder, std::string_view smallUnit)
{
    std::string statement(row);
    for (const std::string_view word : {whole, largeUnit, remainder, smallUnit})
        statement.append(" ").append(word);
    return statement;
}

void LengthResult::storeInto(CalculationState &state) const
{
    if (Frequency)
        state.Frequency = *Frequency;
    if (OverallLength)
        state.OverallLength = *OverallLength;
    if (split) {
        state.CoaxLength = split->CoaxLength;
        state.OverallMajor = split->OverallMajor;
        state.OverallMinor = split->OverallMinor;
        state.CoaxMajor = split->CoaxMajor;
        state.CoaxMinor = split->CoaxMinor;
    }
}

LengthResult calculateLengths(std::string_view typedFrequency, float velocityFactor, Units units,
                              std::string_view decimalSeparator)
{
    const UnitSystem &system = unitSystem(units);
    LengthResult result;
    const ParsedNumber frequency = TextToFloat(typedFrequency, decimalSeparator);
    if (frequency.error) {
        result.error = frequency.error;
        return result;
    }
    result.Frequency = frequency.value;

    if (frequency.value == 0.0f) {
        // What the division would have stored: an infinity signed like the
        // zero, since the numerator is positive.
        result.OverallLength = std::copysign(std::numeric_limits<float>::infinity(), frequency.value);
        result.error = RuntimeError::DivisionByZero;
        return result;
    }
    // Reading the IEEE flags is not dependable here: at -O2 GCC folds the
    // double division and the float rounding into one single-precision
    // division, so a flag can be missing when tested. A stored float that
    // came out infinite from finite operands overflowed.
    const double quotient = system.numerator / static_cast<double>(frequency.value);
    const float overallLength = static_cast<float>(quotient);
    result.OverallLength = overallLength;
    if (std::isinf(overallLength)) {
        result.error = RuntimeError::Overflow;
        return result;
    }
    result.split = split(quotient, system, velocityFactor, decimalSeparator);
    return result;
}

} // namespace calc
