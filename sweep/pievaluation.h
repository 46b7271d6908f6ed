// The impedance and SWR that one matching network presents at its driving port,
// evaluated from the side's three reactance fields with the design's own
// Pi-network evaluation, so a sweep point at Fr agrees with the match labels.
#pragma once

#include "sweepside.h"

#include "design/designstate.h"
#include "design/extended.h"

namespace anodyne {

// Input side: load Rin, XCi2, XLi, XCi1, reference Rex, results InR2 ... InSwr.
// Output side: load Ra, XCo2, XLo, XCo1, reference Re, results OutR2 ... OutSwr.
// Each result is rounded to float and stored as soon as it is known, so a fault
// (AppError) leaves the results before it with their new values.
void evaluateSide(SweepSide side, DesignState& s, MathErrorDisplay& display);

} // namespace anodyne
