#include "pievaluation.h"

#include "design/evaluation.h"

namespace anodyne {

void evaluateSide(SweepSide side, DesignState& s, MathErrorDisplay& display)
{
    if (side == SweepSide::Input)
        evaluatePiNetwork(s.Rin, s.XCi2, s.XLi, s.XCi1, s.Rex, inputTargets(s), display);
    else
        evaluatePiNetwork(s.Ra, s.XCo2, s.XLo, s.XCo1, s.Re, outputTargets(s), display);
}

} // namespace anodyne
