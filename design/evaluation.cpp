#include "evaluation.h"

namespace anodyne {

PiTargets inputTargets(DesignState& s)
{
    return {s.InR2, s.InX2, s.InR, s.InX, s.InGamma, s.InSwr};
}

PiTargets outputTargets(DesignState& s)
{
    return {s.OutR2, s.OutX2, s.OutR, s.OutX, s.OutGamma, s.OutSwr};
}

void evaluatePiNetwork(Ext RL, float XC2, float XL, float XC1, Ext R0, const PiTargets& out,
                       MathErrorDisplay& display)
{
    // RL in parallel with -jXC2, as a series equivalent.
    const Ext rl2 = RL * RL;
    out.R2 = toFloat(RL * XC2 * XC2 / (rl2 + Ext(XC2) * XC2));
    const float r2 = out.R2;
    out.X2 = toFloat(rl2 * -Ext(XC2) / (rl2 + Ext(XC2) * XC2));
    const float x2 = out.X2;

    // The series branch (inductor and load section) in parallel with -jXC1.
    const float xs = toFloat(Ext(XL) + x2);
    const Ext d = Ext(xs) - XC1;
    out.R = toFloat(Ext(r2) * XC1 * XC1 / (d * d + Ext(r2) * r2));
    const float r = out.R;
    out.X = toFloat((-Ext(XC1) * xs * d - Ext(XC1) * r2 * r2) / (d * d + Ext(r2) * r2));
    const float x = out.X;

    const Ext below = Ext(r) - R0;
    const Ext above = Ext(r) + R0;
    out.Gamma = toFloat(sqrtX((below * below + Ext(x) * x) / (above * above + Ext(x) * x), display));
    const float gamma = out.Gamma;
    out.Swr = toFloat((Ext(1.0) + gamma) / (Ext(1.0) - gamma));
}

PiResult evaluatePiNetwork(Ext RL, float XC2, float XL, float XC1, Ext R0, MathErrorDisplay& display)
{
    PiResult r;
    evaluatePiNetwork(RL, XC2, XL, XC1, R0, PiTargets{r.R2, r.X2, r.R, r.X, r.Gamma, r.Swr}, display);
    return r;
}

std::string impedanceText(float R, float X, const DesignForm& f)
{
    if (Ext(X) > 0.0)
        return f.fixed(R, 2) + " - j" + f.fixed(absX(X).value(), 1) + " Ohm";
    if (Ext(X) < 0.0)
        return f.fixed(R, 2) + " + j" + f.fixed(absX(X).value(), 1) + " Ohm";
    return {};
}

namespace {

void showMatch(float R, float X, float Swr, const char* impedanceLabel, const char* swrLabel, DesignForm& f)
{
    const std::string z = impedanceText(R, X, f);
    if (!z.empty())
        f.setText(impedanceLabel, z);
    f.setText(swrLabel, "SWR " + f.fixed(Swr, 2));
}

} // namespace

void evaluateInputNetwork(DesignState& s, DesignForm& f)
{
    evaluatePiNetwork(Ext(s.Rin), s.XCi2, s.XLi, s.XCi1, Ext(s.Rex), inputTargets(s), f);
    showMatch(s.InR, s.InX, s.InSwr, "INComLabel", "INSWRLabel", f);
}

void evaluateOutputNetwork(DesignState& s, DesignForm& f)
{
    evaluatePiNetwork(Ext(s.Ra), s.XCo2, s.XLo, s.XCo1, Ext(s.Re), outputTargets(s), f);
    showMatch(s.OutR, s.OutX, s.OutSwr, "OUComLabel", "OUSWRLabel", f);
}

} // namespace anodyne
