#include "operatingpoint.h"

namespace anodyne {
namespace {
// Tube-type factors of the plate load; single-precision constants by design.
constexpr float kTriodeFactor = 0.6F;
constexpr float kTetrodeFactor = 0.52F;
} // namespace

void computeOperatingPoint(DesignState& s, DesignForm& f)
{
    s.Ua = toFloat(f.value("UaSpinEdit"));
    f.setText("UaLabel", f.general(s.Ua) + "V");
    s.Ia = toFloat(f.value("IaSpinEdit"));
    s.Tq = toInt(f.value("TqSpinEdit"));
    s.Ra = toInt(f.toNumber(f.text("RaEdit")));
    f.setText("RaLabel", integerText(s.Ra) + " Ohm");
    s.Ia = toFloat(Ext(s.Tq) * s.Ia);
    f.setText("IaLabel", f.fixed(s.Ia, 2) + "A");
    s.Pao = toFloat(Ext(s.Ua) * s.Ia);
    f.setText("PaoLabel", f.fixed(s.Pao, 1) + "W");

    // Both tests run, as the two buttons form one group exactly one branch applies.
    if (f.isChecked("TRIButton")) {
        s.Re = toFloat(Ext(s.Ua) / s.Ia * kTriodeFactor);
        f.setText("ReLabel", f.general(ceilX(s.Re).value()) + " Ohm");
        f.setValue("EffSpinEdit", 0.65);
    }
    if (f.isChecked("TETButton")) {
        s.Re = toFloat(Ext(s.Ua) / s.Ia * kTetrodeFactor);
        f.setText("ReLabel", f.general(ceilX(s.Re).value()) + " Ohm");
        f.setValue("EffSpinEdit", 0.55);
    }
    s.Eff = toFloat(f.value("EffSpinEdit"));
    s.Prf = toFloat(Ext(s.Ua) * s.Ia * s.Eff);
    f.setText("PrfLabel", f.fixed(s.Prf, 1) + "W");
    s.Pad = toFloat(Ext(s.Pao) - s.Prf);
    f.setText("PadLabel", f.fixed(s.Pad, 1) + "W");
    s.Uou = toFloat(sqrtX(Ext(s.Ra) * s.Prf, f));
    f.setText("UouLabel", f.fixed(s.Uou, 1) + "V");

    s.Cot = toFloat(f.value("CotSpinEdit"));
    s.Cop = toFloat(f.value("CopSpinEdit"));
    s.Ct = toFloat(Ext(s.Tq) * s.Cot + s.Cop);
    f.setText("CtLabel", f.fixed(s.Ct, 1) + "pF");
    s.S = toFloat(f.value("SSpinEdit"));
    s.Stot = toFloat(Ext(s.Tq) * s.S);
    f.setText("SLabel", f.fixed(s.Stot, 1) + "ma/V");

    s.Cin = toFloat(f.value("CinSpinEdit"));
    s.Cip = toFloat(f.value("CipSpinEdit"));
    s.Fr = toFloat(f.value("FrSpinEdit"));
    // S is in mA/V; 0.001 makes S x Re a plain number.
    s.GainBase = toFloat((Ext(2.0) * s.S * s.Tq + 1.0) * s.Re * 0.001);
    s.Kp = toFloat(Ext(2.0) * sqrtX(s.GainBase, f));

    s.Rex = toInt(f.toNumber(f.text("RexEdit")));
    f.setText("RexLabel", integerText(s.Rex) + " Ohm");
    s.Qio = toInt(f.value("QioSpinEdit"));
    s.Qil = toFloat(f.value("QilSpinEdit"));
    s.Kief = toFloat(Ext(1.0) - Ext(s.Qil) / s.Qio);
    f.setText("KiefEdit", f.fixed(s.Kief, 3));
    s.Ci = toFloat(Ext(s.Tq) * s.Cin + s.Cip);
    f.setText("CiLabel", f.fixed(s.Ci, 1));
    s.XCi = toFloat(Ext(kReactanceConstant) / (Ext(s.Ci) * s.Fr));

    if (f.isChecked("RinCheckBox"))
        automaticInputResistance(s, f);
}

void automaticInputResistance(DesignState& s, DesignForm& f)
{
    f.setEnabled("RinSpinEdit", false);
    s.RinCalc = toFloat(Ext(s.Re) / s.Kp);
    s.Rin = s.RinCalc;

    // Series equivalent of RinCalc in parallel with the cathode capacitance.
    const Ext r2 = Ext(s.RinCalc) * s.RinCalc;
    const Ext x2 = Ext(s.XCi) * s.XCi;
    const float rser = toFloat(Ext(s.RinCalc) * s.XCi * s.XCi / (r2 + x2));
    const float xser = toFloat(Ext(s.XCi) * s.RinCalc * s.RinCalc / (r2 + x2));
    f.setVisible("Label22", true);
    f.setText("Label22", f.fixed(rser, 1) + "-j" + f.fixed(xser, 1));

    f.setText("RinLabel", f.general(ceilX(s.Rin).value()));
    // The field takes the label's whole number, limited to its own range.
    f.setValue("RinSpinEdit", f.toNumber(f.text("RinLabel")));
    showDriveLevel(s, f);
}

void manualInputResistance(DesignState& s, DesignForm& f)
{
    if (!f.isEnabled("RinSpinEdit"))
        f.setEnabled("RinSpinEdit", true);
    s.Rin = toFloat(f.value("RinSpinEdit"));
    f.setText("RinLabel", f.general(f.value("RinSpinEdit")));
    f.setVisible("Label22", false);
    showDriveLevel(s, f);
}

void showDriveLevel(DesignState& s, DesignForm& f)
{
    s.RexRin = toFloat(Ext(s.Rex) / s.Rin);
    s.Pi = toFloat(Ext(s.Prf) / s.Kp);
    f.setText("PiLabel", f.general(ceilX(s.Pi).value()) + "W");
    s.Ui = toFloat(sqrtX(Ext(s.Pi) * s.Rin, f));
    f.setText("UiLabel", f.fixed(s.Ui, 1) + "V");
    s.Uin = toFloat(sqrtX(Ext(s.Rex) * s.Pi, f));
    f.setText("UinLabel", f.fixed(s.Uin, 1) + "V");
    s.Iin = toFloat(Ext(s.Ui) / s.Rin);
    f.setText("IinLabel", f.fixed(s.Iin, 1) + "A");
}

} // namespace anodyne
