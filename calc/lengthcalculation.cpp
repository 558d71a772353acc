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

// Reading the IEEE flags is not dependable here: at -O2 GCC folds the double
// division and the float rounding into one single-precision division, drops
// work whose result looks unused and reuses earlier results, so a flag can be
// missing when tested. The operands and stored results tell the same story
// without depending on the optimiser: a zero divisor is a division by zero,
// and a stored float that came out infinite from finite operands overflowed.
bool overflowed(float stored)
{
    return std::isinf(stored);
}

std::optional<RuntimeError> calculate(CalculationState &state, Form1Boxes &form, std::string_view decimalSeparator,
                                      const UnitSystem &units)
{
    const std::string typed = form.frequencyText();
    const ParsedNumber frequency = TextToFloat(typed, decimalSeparator);
    if (frequency.error)
        return frequency.error;
    state.Frequency = frequency.value;

    if (state.Frequency == 0.0f) {
        // What the division would have stored: an infinity signed like the
        // zero, since the numerator is positive.
        state.OverallLength = std::copysign(std::numeric_limits<float>::infinity(), state.Frequency);
        return RuntimeError::DivisionByZero;
    }
    const double quotient = units.numerator / static_cast<double>(state.Frequency);
    state.OverallLength = static_cast<float>(quotient);
    if (overflowed(state.OverallLength))
        return RuntimeError::Overflow;

    // From the double quotient, not from the rounded OverallLength, so the coax
    // length carries only one rounding.
    state.CoaxLength = static_cast<float>(quotient * static_cast<double>(state.VelocityFactor));
    if (overflowed(state.CoaxLength))
        return RuntimeError::Overflow;

    const double overall = state.OverallLength;
    state.OverallMajor = static_cast<float>(std::floor(overall));
    state.OverallMinor = static_cast<float>((overall - std::floor(overall)) * units.storedPerLargeUnit);
    if (overflowed(state.OverallMajor) || overflowed(state.OverallMinor))
        return RuntimeError::Overflow;

    const double coax = state.CoaxLength;
    state.CoaxMajor = static_cast<float>(std::floor(coax));
    state.CoaxMinor = static_cast<float>((coax - std::floor(coax)) * units.storedPerLargeUnit);
    if (overflowed(state.CoaxMajor) || overflowed(state.CoaxMinor))
        return RuntimeError::Overflow;

    // The shown remainders are rounded to float only for display and never
    // written back, so the state keeps the unscaled metric fraction.
    form.setBoxText("Text2", FloatToText(state.OverallMajor, decimalSeparator));
    const float overallShown = static_cast<float>(static_cast<double>(state.OverallMinor) * units.shownPerStored);
    if (overflowed(overallShown))
        return RuntimeError::Overflow;
    form.setBoxText("Text5", FloatToText(overallShown, decimalSeparator));
    form.setBoxText("Text6", FloatToText(state.CoaxMajor, decimalSeparator));
    const float coaxShown = static_cast<float>(static_cast<double>(state.CoaxMinor) * units.shownPerStored);
    if (overflowed(coaxShown))
        return RuntimeError::Overflow;
    form.setBoxText("Text9", FloatToText(coaxShown, decimalSeparator));
    form.setBoxText("Text3", units.largeUnitWord);
    form.setBoxText("Text7", units.largeUnitWord);
    form.setBoxText("Text4", units.smallUnitWord);
    form.setBoxText("Text8", units.smallUnitWord);
    return std::nullopt;
}

} // namespace

std::optional<RuntimeError> calculateFeetAndInches(CalculationState &state, Form1Boxes &form,
                                                   std::string_view decimalSeparator)
{
    return calculate(state, form, decimalSeparator, Feet);
}

std::optional<RuntimeError> calculateMetresAndCentimetres(CalculationState &state, Form1Boxes &form,
                                                          std::string_view decimalSeparator)
{
    return calculate(state, form, decimalSeparator, Metres);
}

void writeFrequencyBack(const CalculationState &state, Form1Boxes &form, std::string_view decimalSeparator)
{
    form.setBoxText("Text12", FloatToText(state.Frequency, decimalSeparator));
}

} // namespace calc
