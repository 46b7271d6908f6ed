#include "pievaluation.h"

#include <cstdint>

namespace anodyne {
namespace {

struct Results {
    float& r2;
    float& x2;
    float& r;
    float& x;
    float& gamma;
    float& swr;
};

// Port - shunt C1 - series L - shunt C2 across the load RL. Reactances are positive
// magnitudes; rl2 is RL squared, formed by the caller (an exact integer product for
// the whole-ohm load of the plate side).
void evaluatePi(Ext rl, Ext rl2, Ext xc2, Ext xl, Ext xc1, Ext r0, Results out, MathErrorDisplay& display)
{
    // RL in parallel with -j XC2, as a series equivalent.
    const Ext loadDen = rl2 + xc2 * xc2;
    out.r2 = toFloat(rl * xc2 * xc2 / loadDen);
    out.x2 = toFloat(rl2 * (-xc2) / loadDen);
    // The inductor in series with the load section.
    const float xs = toFloat(xl + out.x2);
    // (R2 + j Xs) in parallel with -j XC1.
    const Ext detune = Ext(xs) - xc1;
    const Ext r2sq = Ext(out.r2) * out.r2;
    const Ext portDen = detune * detune + r2sq;
    out.r = toFloat(Ext(out.r2) * xc1 * xc1 / portDen);
    out.x = toFloat((-xc1 * xs * detune - xc1 * r2sq) / portDen);
    // Reflection against the resistance the port should see.
    const Ext below = Ext(out.r) - r0;
    const Ext above = Ext(out.r) + r0;
    const Ext xsq = Ext(out.x) * out.x;
    out.gamma = toFloat(sqrtX((below * below + xsq) / (above * above + xsq), display));
    out.swr = toFloat((Ext(1.0) + out.gamma) / (Ext(1.0) - out.gamma));
}

} // namespace

void evaluateSide(SweepSide side, DesignState& s, MathErrorDisplay& display)
{
    if (side == SweepSide::Input) {
        evaluatePi(s.Rin, Ext(s.Rin) * s.Rin, s.XCi2, s.XLi, s.XCi1, s.Rex,
                   {s.InR2, s.InX2, s.InR, s.InX, s.InGamma, s.InSwr}, display);
    } else {
        // Ra is a whole number of ohms; its square is taken as a 64-bit integer so that
        // it stays exact for every load a 32-bit field can hold.
        const std::int64_t ra2 = std::int64_t{s.Ra} * s.Ra;
        evaluatePi(s.Ra, ra2, s.XCo2, s.XLo, s.XCo1, s.Re,
                   {s.OutR2, s.OutX2, s.OutR, s.OutX, s.OutGamma, s.OutSwr}, display);
    }
}

} // namespace anodyne
