// Stage 2 of a design pass: the input (cathode) Pi-network between the exciter
// (Rex) and the cathode (Rin), with the tube's input capacitance Ci part of the
// cathode-side shunt capacitance.
#pragma once

#include "designform.h"
#include "designstate.h"
#include "networkmethod.h"

namespace anodyne {

// Runs the chosen method (first the manual input resistance when "Calculate" is
// off): reactances XCi1, XCi2, XLi, components Ci1, Ci2, Li and their labels.
// Returns false when the pass stops here: a realisability test failed and the
// Q-step correction (or, for the Impedance Transformer, the impossible-network
// message) has been shown.
bool designInputNetwork(DesignState& s, DesignForm& form, NetworkMethod method);

// "Check Q" of the input side, the last step of a pass: estimates the cathode-side
// Q from InR2 and InX2, sets it into QilSpinEdit (focused) and shows the matching
// efficiency in KiefEdit. Qil itself is left; the next pass reads the field.
void checkInputQ(DesignState& s, DesignForm& form);

} // namespace anodyne
