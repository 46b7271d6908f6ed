#include "outputnetwork.h"

#include "operatingpoint.h"
#include "qstep.h"

#include <cstdint>

namespace anodyne {
namespace {

constexpr const char* kImpossible = "Sorry, impossible for given Re/Ra. Stray circuit capacitance is too high.";

Ext capacitance(float x, float fr) { return Ext(kReactanceConstant) / (Ext(x) * fr); }

// Ra is a whole number of ohms; its square is the exact whole product.
Ext raSquared(const DesignState& s) { return Ext(static_cast<std::int64_t>(s.Ra) * s.Ra); }

bool raiseQ(DesignState& s, DesignForm& f) { return qStepCorrection(s.Qol, kOutputQStep, f); }

// Co1 is the tuning capacitor: the plate-side capacitance less the ever-present Ct.
void setCo1(DesignState& s, DesignForm& f)
{
    s.Co1 = toFloat(capacitance(s.XCo1, s.Fr) - s.Ct);
    f.setText("Co1Label", f.fixed(s.Co1, 1) + "pF");
}
void setCo2(DesignState& s, DesignForm& f)
{
    s.Co2 = toFloat(capacitance(s.XCo2, s.Fr));
    f.setText("Co2Label", f.fixed(s.Co2, 1) + "pF");
}
void setLo(DesignState& s, DesignForm& f)
{
    s.Lo = toFloat(Ext(s.XLo) / (Ext(kTwoPi) * s.Fr));
    f.setText("LoLabel", f.fixed(s.Lo, 2) + "uHn");
}

// The classical Pi-network: Qol = Re / XCo1 at the plate end.
bool standard(DesignState& s, DesignForm& f)
{
    s.XCo1 = toFloat(Ext(s.Re) / s.Qol);
    setCo1(s, f);
    if (!(Ext(s.Co1) > 1.0))
        return raiseQ(s, f);
    const Ext rest = Ext(s.Qol) * s.Qol + 1.0 - Ext(s.Re) / s.Ra;
    if (!(rest > 0.0))
        return raiseQ(s, f);
    s.XCo2 = toFloat(Ext(s.Ra) * sqrtX(Ext(s.Re) / s.Ra / rest, f));
    setCo2(s, f);
    if (!(Ext(s.Co2) > 1.0))
        return raiseQ(s, f);
    s.XLo = toFloat((Ext(s.Ra) * s.Re / s.XCo2 + Ext(s.Qol) * s.Re) / (Ext(s.Qol) * s.Qol + 1.0));
    setLo(s, f);
    return true;
}

// The network's efficiency Koef enters the formulas.
bool ua3da(DesignState& s, DesignForm& f)
{
    const Ext d = (Ext(s.Qol) * s.Qol + Ext(s.Koef) * s.Koef + 1.0) * s.ReRa / s.Koef
                  - Ext(s.ReRa) * s.ReRa - 1.0;
    if (!(d > 0.0))
        return raiseQ(s, f);
    s.XCo2 = toFloat((Ext(s.Re) - Ext(s.Ra) * s.Koef) / (sqrtX(d, f) - s.Qol));
    setCo2(s, f);
    if (!(Ext(s.Co2) > 1.0))
        return raiseQ(s, f);
    s.XCo1 = toFloat(Ext(s.Re) * s.XCo2 / (Ext(s.Qol) * s.XCo2 - Ext(s.Ra) * s.Koef));
    setCo1(s, f);
    if (!(Ext(s.Co1) > 1.0))
        return raiseQ(s, f);
    s.XLo = toFloat(Ext(s.Ra) * s.XCo2 * s.XCo2 * s.Qol / ((raSquared(s) + Ext(s.XCo2) * s.XCo2) * s.Koef));
    setLo(s, f);
    return true;
}

// Three equal reactances, sqrt(Ra x Re); the loaded Q follows from the ratio and
// replaces the user's entry. Only the stray capacitance can spoil it.
bool impedanceTransformer(DesignState& s, DesignForm& f)
{
    const float x = toFloat(sqrtX(Ext(s.Ra) * s.Re, f));
    s.XLo = x;
    s.XCo2 = x;
    s.XCo1 = x;
    s.ReRa = toFloat(Ext(s.Re) / s.Ra);
    s.Qol = toFloat((Ext(s.ReRa) + 1.0) / sqrtX(s.ReRa, f));
    f.setText("QolSpinEdit", f.fixed(s.Qol, 1));
    setLo(s, f);
    setCo2(s, f);
    if (!(Ext(s.Co2) > 1.0)) {
        f.informationBox(kImpossible, kOutputQStep.caption);
        return false;
    }
    s.Co1 = toFloat(Ext(s.Co2) - s.Ct);
    f.setText("Co1Label", f.fixed(s.Co1, 1) + "pF");
    if (!(Ext(s.Co1) >= 0.0)) {
        f.informationBox(kImpossible, kOutputQStep.caption);
        return false;
    }
    return true;
}

// Qol split into the plate-side section's Q (OutAux1 = Re / XCo1) and the
// load-side section's Q (OutAux2 = Ra / XCo2).
bool w5fd(DesignState& s, DesignForm& f)
{
    // Quick minimum-Q test on whole ohms. With a plate load below 1 ohm there is no
    // whole-ohm divisor; the test is then skipped and the exact test that follows
    // decides alone, so a realisable network is still found by raising Q.
    if (const auto n = wholeOhmRatioLessOne(toInt(s.Re), s.Ra)) {
        if (!(sqrtX(Ext(*n), f) < s.Qol))
            return raiseQ(s, f);
    }
    const Ext diff = Ext(s.Re) - s.Ra;
    const Ext radicand = Ext(s.Ra) * s.Re * s.Qol * s.Qol - diff * diff;
    if (!(radicand > 0.0))
        return raiseQ(s, f);
    s.OutAux1 = toFloat((Ext(s.Re) * s.Qol - sqrtX(radicand, f)) / diff);
    s.XCo1 = toFloat(Ext(s.Re) / s.OutAux1);
    setCo1(s, f);
    if (!(Ext(s.Co1) > 1.0))
        return raiseQ(s, f);
    s.OutAux2 = toFloat(Ext(s.Qol) - s.OutAux1);
    s.XCo2 = toFloat(Ext(s.Ra) / s.OutAux2);
    setCo2(s, f);
    if (!(Ext(s.Co2) > 1.0))
        return raiseQ(s, f);
    s.XLo = toFloat(Ext(s.Re) * s.Qol / (Ext(s.OutAux1) * s.OutAux1 + 1.0));
    setLo(s, f);
    return true;
}

// The UA3DA construction without the efficiency; the inductor's reactance carries
// a fixed factor of 0.995.
bool zorvex(DesignState& s, DesignForm& f)
{
    const Ext d = (Ext(s.Qol) * s.Qol + 1.0) * s.ReRa - Ext(s.ReRa) * s.ReRa - 1.0;
    if (!(d > 0.0))
        return raiseQ(s, f);
    s.XCo2 = toFloat((Ext(s.Re) - s.Ra) / (sqrtX(d, f) - s.Qol));
    setCo2(s, f);
    if (!(Ext(s.Co2) > 1.0))
        return raiseQ(s, f);
    s.XCo1 = toFloat(Ext(s.Re) * s.XCo2 / (Ext(s.Qol) * s.XCo2 - s.Ra));
    setCo1(s, f);
    if (!(Ext(s.Co1) > 1.0))
        return raiseQ(s, f);
    s.XLo = toFloat(Ext(0.995) * s.Qol * s.Ra * s.XCo2 * s.XCo2 / (raSquared(s) + Ext(s.XCo2) * s.XCo2));
    setLo(s, f);
    return true;
}

} // namespace

bool designOutputNetwork(DesignState& s, DesignForm& f, NetworkMethod method)
{
    s.Qoo = toInt(f.value("QooSpinEdit"));
    s.Qol = toFloat(f.value("QolSpinEdit"));
    s.Koef = toFloat(Ext(1.0) - Ext(s.Qol) / s.Qoo);
    f.setText("KoefEdit", f.fixed(s.Koef, 3));
    s.Ct = toFloat(Ext(s.Tq) * s.Cot + s.Cop);
    f.setText("CtLabel", f.fixed(s.Ct, 1) + "pF");
    s.ReRa = toFloat(Ext(s.Re) / s.Ra);
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

void checkOutputQ(DesignState& s, DesignForm& f)
{
    const float oldQ = toFloat(f.value("QolSpinEdit"));
    const float ratio = toFloat(Ext(s.Re) / absX(Ext(s.XCo1) + s.XCo2));
    const float newQ = toFloat(Ext(oldQ) / ratio + ratio);
    f.setValue("QolSpinEdit", newQ);
    f.setFocus("QolSpinEdit");
    s.Koef = toFloat(Ext(1.0) - Ext(newQ) / s.Qoo);
    f.setText("KoefEdit", f.fixed(s.Koef, 3));
}

} // namespace anodyne
