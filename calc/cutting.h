// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "lengthcalculation.h"

#include <optional>
#include <string>
#include <string_view>

namespace calc {

// A step a tape measure is read to: a fraction of an inch, 1/2 to 1/32 (by
// default 1/16), or 1 mm (the default), 5 mm or 1 cm; named as written on
// the command line ("1/16", "5mm"). Nothing when the unit system has no
// step of that name; an empty name is the default.
struct TapeStep {
    Units units;
    int perLargeUnit;
    std::string spokenName; // "1/16 inch", "5 mm"
};
std::optional<TapeStep> findTapeStep(std::string_view name, Units units);

// A length of at least 0, in the large unit, as a tape measure reads it:
// rounded to the nearest step (a tie away from zero), a whole small unit
// carried into the large one, a fraction of an inch in lowest terms, and a
// part that is 0 left out unless both are: "25 FEET 11 13/16 INCHES",
// "3 11/16 INCHES", "7 METERS 91.2 CM".
std::string tapeLength(double length, const TapeStep &step, std::string_view decimalSeparator);

// The pieces to cut, in the large unit, from the lengths a calculation
// kept: the coax section whole, solder point to solder point, and each wire
// end half of what the overall length has beyond it.
struct CutList {
    double coaxSection;
    double wireEnd;
};
CutList cutList(float overallLength, float coaxLength);

// How much each wire end changes, in the large unit, once an antenna cut
// for `target` MHz resonates at `resonance` MHz: the usual proportional
// rule, which scales the overall length by resonance / target and changes
// each end by half the difference; below 0 shortens. The rule holds only
// near the target: nothing when the resonance is more than 10 % from it.
std::optional<double> wireEndTrim(float overallLength, float target, float resonance);

} // namespace calc
