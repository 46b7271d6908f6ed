// Stage 4 of a design pass: the output (plate) Pi-network between the plate (Re)
// and the load (Ra), with the tube's and circuit's output capacitance Ct part of
// the plate-side shunt capacitance.
#pragma once

#include "designform.h"
#include "designstate.h"
#include "networkmethod.h"

namespace anodyne {

// The common output values (Qoo, Qol, Koef, Ct, ReRa, shown in KoefEdit and
// CtLabel), then the chosen method: reactances XCo1, XCo2, XLo, components Co1,
// Co2, Lo and their labels. Returns false when the pass stops here: a
// realisability test failed and the Q-step correction (or, for the Impedance
// Transformer, the impossible-network message) has been shown.
bool designOutputNetwork(DesignState& s, DesignForm& form, NetworkMethod method);

// "Check Q" of the output side, the last step of a pass: a new loaded-Q estimate
// from the current QolSpinEdit value and the network's reactances goes into
// QolSpinEdit (focused); KoefEdit shows the efficiency it gives. Qol is left.
void checkOutputQ(DesignState& s, DesignForm& form);

} // namespace anodyne
