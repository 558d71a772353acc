// SPDX-License-Identifier: MIT
#pragma once

#include "calculationstate.h"
#include "runtimeerror.h"

#include <optional>
#include <string>
#include <string_view>

namespace calc {

// The main window as the calculation sees it: the frequency box to read, and
// the boxes to write by their names ("Text2" ... "Text9", "Text12").
class Form1Boxes
{
public:
    virtual ~Form1Boxes() = default;
    virtual std::string frequencyText() const = 0;
    virtual void setBoxText(std::string_view boxName, std::string_view text) = 0;
};

// The unit buttons. Each stops at its first failing step and returns the
// error; what it stored and wrote before that step stays.
[[nodiscard]] std::optional<RuntimeError> calculateFeetAndInches(CalculationState &state, Form1Boxes &form,
                                                                 std::string_view decimalSeparator);
[[nodiscard]] std::optional<RuntimeError> calculateMetresAndCentimetres(CalculationState &state, Form1Boxes &form,
                                                                        std::string_view decimalSeparator);

// A click into the frequency box writes the stored frequency back into it.
void writeFrequencyBack(const CalculationState &state, Form1Boxes &form, std::string_view decimalSeparator);

} // namespace calc
