// Stage 1 of a design pass: the operating point of the stage, and the two ways
// of arriving at the cathode input resistance with the drive levels that follow.
#pragma once

#include "designform.h"
#include "designstate.h"

namespace anodyne {

// Reads every tube and circuit entry afresh, writes the operating-point labels and,
// when "Calculate" is checked, ends with the automatic input resistance.
void computeOperatingPoint(DesignState& s, DesignForm& form);

// Rin from the power gain (Re / Kp); shows the series equivalent of the cathode input.
void automaticInputResistance(DesignState& s, DesignForm& form);

// Rin as the user entered it in RinSpinEdit; every input method runs this first
// when "Calculate" is off.
void manualInputResistance(DesignState& s, DesignForm& form);

// Drive power and RF voltages and current at the exciter and the cathode.
void showDriveLevel(DesignState& s, DesignForm& form);

// Constants of the formulas: 10^6 / (2 pi) turns pF and MHz into ohms.
inline constexpr double kReactanceConstant = 159154.94309189534;
inline constexpr double kTwoPi = 6.283185307179586;

} // namespace anodyne
