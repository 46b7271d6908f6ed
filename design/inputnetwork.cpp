#include "inputnetwork.h"

#include "operatingpoint.h"
#include "qstep.h"

#include <cstdint>

namespace anodyne {
namespace {

constexpr const char* kImpossible = "Sorry, impossible for given Rex/Rin. Stray circuit capacitance is too high.";

Ext capacitance(float x, float fr) { return Ext(kReactanceConstant) / (Ext(x) * fr); }
Ext inductance(float x, float fr) { return Ext(x) / (Ext(kTwoPi) * fr); }

void showCi1(const DesignState& s, DesignForm& f) { f.setText("Ci1Label", f.fixed(s.Ci1, 1) + "pF"); }
void showCi2(const DesignState& s, DesignForm& f) { f.setText("Ci2Label", f.fixed(s.Ci2, 1)); }
void showLi(const DesignState& s, DesignForm& f) { f.setText("LiLabel", f.fixed(s.Li, 2) + "uHn"); }

bool raiseQ(DesignState& s, DesignForm& f) { return qStepCorrection(s.Qil, kInputQStep, f); }

// Ci2 is what is left of the cathode-side capacitance once the tube's own Ci is taken off.
void setCi2(DesignState& s, DesignForm& f)
{
    s.Ci2 = toFloat(capacitance(s.XCi2, s.Fr) - s.Ci);
    showCi2(s, f);
}
void setCi1(DesignState& s) { s.Ci1 = toFloat(capacitance(s.XCi1, s.Fr)); }
void setLi(DesignState& s, DesignForm& f)
{
    s.Li = toFloat(inductance(s.XLi, s.Fr));
    showLi(s, f);
}

// Qil = Rex / XCi1: the loaded Q is that of the exciter-side branch.
bool standard(DesignState& s, DesignForm& f)
{
    s.XCi1 = toFloat(Ext(s.Rex) / s.Qil);
    setCi1(s);
    showCi1(s, f);
    if (Ext(s.Ci1) <= 1.0)
        return raiseQ(s, f);
    const Ext d = Ext(s.Qil) * s.Qil + 1.0 - Ext(s.Rex) / s.Rin;
    if (d <= 0.0)
        return raiseQ(s, f);
    s.XCi2 = toFloat(Ext(s.Rin) * sqrtX(Ext(s.Rex) / s.Rin / d, f));
    setCi2(s, f);
    if (Ext(s.Ci2) <= 1.0)
        return raiseQ(s, f);
    s.XLi = toFloat((Ext(s.Rex) * s.Qil + Ext(s.Rex) * s.Rin / s.XCi2) / (Ext(s.Qil) * s.Qil + 1.0));
    setLi(s, f);
    return true;
}

// Rex / XCi1 + Kief x Rin / XCi2 = Qil: the network's own losses taken into account.
bool ua3da(DesignState& s, DesignForm& f)
{
    const Ext t = (Ext(s.Qil) * s.Qil + Ext(s.Kief) * s.Kief + 1.0) * s.RexRin / s.Kief
                  - Ext(s.RexRin) * s.RexRin - 1.0;
    if (t <= 0.0)
        return raiseQ(s, f);
    s.XCi2 = toFloat((Ext(s.Rex) - Ext(s.Kief) * s.Rin) / (sqrtX(t, f) - s.Qil));
    setCi2(s, f);
    if (Ext(s.Ci2) <= 1.0)
        return raiseQ(s, f);
    s.XCi1 = toFloat(Ext(s.Rex) * s.XCi2 / (Ext(s.Qil) * s.XCi2 - Ext(s.Kief) * s.Rin));
    setCi1(s);
    showCi1(s, f);
    if (Ext(s.Ci1) <= 1.0)
        return raiseQ(s, f);
    s.XLi = toFloat(Ext(s.Qil) * s.Rin * s.XCi2 * s.XCi2
                    / (Ext(s.Kief) * (Ext(s.Rin) * s.Rin + Ext(s.XCi2) * s.XCi2)));
    setLi(s, f);
    return true;
}

// Three equal reactances, sqrt(Rex x Rin); the loaded Q follows from the ratio
// and replaces the user's entry. Nothing to raise: only stray capacitance can spoil it.
bool impedanceTransformer(DesignState& s, DesignForm& f)
{
    const float x = toFloat(sqrtX(Ext(s.Rex) * s.Rin, f));
    s.XCi1 = x;
    s.XCi2 = x;
    s.XLi = x;
    s.RexRin = toFloat(Ext(s.Rex) / s.Rin);
    s.Qil = toFloat((Ext(s.RexRin) + 1.0) / sqrtX(s.RexRin, f));
    f.setText("QilSpinEdit", f.fixed(s.Qil, 1));
    setLi(s, f);
    setCi1(s);
    showCi1(s, f);
    if (Ext(s.Ci1) <= 1.0) {
        f.informationBox(kImpossible, kInputQStep.caption);
        return false;
    }
    s.Ci2 = toFloat(Ext(s.Ci1) - s.Ci);
    showCi2(s, f);
    if (Ext(s.Ci2) < 0.0) {
        f.informationBox(kImpossible, kInputQStep.caption);
        return false;
    }
    return true;
}

// Qil split into the exciter-side section's Q (InAux1 = Rex / XCi1) and the
// cathode-side section's Q (InAux2 = Rin / XCi2).
bool w5fd(DesignState& s, DesignForm& f)
{
    // Minimum Q for the resistance ratio, taken in whole ohms. Without a whole-ohm
    // divisor (Rex of 0, or Rin below 1 ohm) there is no ratio to test against:
    // that is the division by zero it is.
    const auto n = wholeOhmRatioLessOne(s.Rex, toInt(s.Rin));
    if (!n)
        raise(errtext::DivisionByZero);
    if (sqrtX(Ext(*n), f) >= s.Qil)
        return raiseQ(s, f);

    const Ext diff = Ext(s.Rex) - s.Rin;
    s.InAux1 = toFloat((Ext(s.Rex) * s.Qil - sqrtX(Ext(s.Rex) * s.Rin * s.Qil * s.Qil - diff * diff, f)) / diff);
    s.XCi1 = toFloat(Ext(s.Rex) / s.InAux1);
    setCi1(s);
    if (Ext(s.Ci1) < 0.0)
        return raiseQ(s, f);
    showCi1(s, f);
    s.InAux2 = toFloat(Ext(s.Qil) - s.InAux1);
    s.XCi2 = toFloat(Ext(s.Rin) / s.InAux2);
    setCi2(s, f);
    if (Ext(s.Ci2) <= 1.0)
        return raiseQ(s, f);
    s.XLi = toFloat(Ext(s.Rex) * s.Qil / (Ext(s.InAux1) * s.InAux1 + 1.0));
    setLi(s, f);
    return true;
}

// Rex / XCi1 + Rin / XCi2 = Qil. The realisability test leaves Kief out, the
// radicand of XCi2 keeps it.
bool zorvex(DesignState& s, DesignForm& f)
{
    const Ext qq = Ext(s.Qil) * s.Qil;
    const Ext rr = Ext(s.RexRin) * s.RexRin;
    const Ext t1 = (qq + 1.0) * s.RexRin - rr - 1.0;
    if (t1 <= 0.0)
        return raiseQ(s, f);
    const Ext t2 = (qq + Ext(s.Kief) * s.Kief + 1.0) * s.RexRin - rr - 1.0;
    s.XCi2 = toFloat((Ext(s.Rex) - s.Rin) / (sqrtX(t2, f) - s.Qil));
    setCi2(s, f);
    if (Ext(s.Ci2) <= 1.0)
        return raiseQ(s, f);
    s.XCi1 = toFloat(Ext(s.Rex) * s.XCi2 / (Ext(s.Qil) * s.XCi2 - s.Rin));
    setCi1(s);
    showCi1(s, f);
    if (Ext(s.Ci1) <= 1.0)
        return raiseQ(s, f);
    s.XLi = toFloat(Ext(s.Qil) * s.Rin * s.XCi2 * s.XCi2 / (Ext(s.Rin) * s.Rin + Ext(s.XCi2) * s.XCi2));
    setLi(s, f);
    return true;
}

} // namespace

bool designInputNetwork(DesignState& s, DesignForm& f, NetworkMethod method)
{
    if (!f.isChecked("RinCheckBox"))
        manualInputResistance(s, f);
    switch (method) {
    case NetworkMethod::Standard:
        return standard(s, f);
    case NetworkMethod::UA3DA:
        return ua3da(s, f);
    case NetworkMethod::ImpedanceTransformer:
        return impedanceTransformer(s, f);
    case NetworkMethod::W5FD:
        return w5fd(s, f);
    case NetworkMethod::Zorvex:
        return zorvex(s, f);
    }
    return false;
}

void checkInputQ(DesignState& s, DesignForm& f)
{
    // Parallel equivalent of InR2 + jInX2: Rin and the cathode-side reactance again,
    // so Q is the cathode-side branch's Rin / XCi2.
    const Ext m = Ext(s.InR2) * s.InR2 + Ext(s.InX2) * s.InX2;
    const float rp = toFloat(m / s.InR2);
    const float xp = toFloat(m / s.InX2);
    const float q = toFloat(Ext(rp) / absX(xp));
    f.setValue("QilSpinEdit", q);
    f.setFocus("QilSpinEdit");
    s.Kief = toFloat(Ext(1.0) - Ext(q) / s.Qio);
    f.setText("KiefEdit", f.fixed(s.Kief, 3));
}

} // namespace anodyne
