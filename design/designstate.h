// The one record of every design quantity, in declaration order.
//
// Single precision throughout except the five whole-number fields (Tq, Ra, Qoo,
// Rex, Qio). The calculation writes it, the sweeps read it and overwrite their
// own side's reactances, evaluation results and limits; nothing else touches it.
// It is the memory between user actions: a chart click works on the component
// values that the last click on the schematic left here.
#pragma once

#include <cstdint>

namespace anodyne {

struct DesignState {
    float Ua = 0;       // V, plate DC voltage
    float Ia = 0;       // A, one tube, then all tubes
    float S = 0;        // mA/V, transconductance of one tube
    float Stot = 0;     // mA/V, all tubes
    float Cin = 0;      // pF, input capacitance of one tube
    float Cip = 0;      // pF, stray capacitance at the cathode
    float Cot = 0;      // pF, output capacitance of one tube
    float Cop = 0;      // pF, stray capacitance at the plate
    float Eff = 0;      // plate efficiency
    float Fr = 0;       // MHz, design frequency
    std::int32_t Tq = 0; // tubes in parallel
    std::int32_t Ra = 0; // Ohm, load resistance
    float Re = 0;       // Ohm, equivalent plate load resistance
    float Prf = 0;      // W, RF output power
    float Pao = 0;      // W, DC input power
    float Pad = 0;      // W, plate dissipation
    float Uou = 0;      // V, RF voltage across the load
    float GainBase = 0; // under the root of the power gain
    float Kp = 0;       // power gain
    std::int32_t Qoo = 0; // open Q of the output network
    float Qol = 0;      // loaded Q of the output network
    float Koef = 0;     // output network efficiency
    float ReRa = 0;     // Re / Ra
    float Ct = 0;       // pF, total capacitance at the plate
    float XCo1 = 0;     // Ohm, reactance of Co1 + Ct
    float XCo2 = 0;     // Ohm, reactance of Co2
    float XLo = 0;      // Ohm, reactance of Lo
    float Co1 = 0;      // pF, plate-side tuning capacitor without Ct
    float Co2 = 0;      // pF, load-side capacitor
    float Lo = 0;       // uH, output inductor
    float OutR2 = 0;    // Ohm, series equivalent of Ra || Co2
    float OutX2 = 0;
    float OutR = 0;     // Ohm, impedance seen by the plate
    float OutX = 0;
    float OutGamma = 0; // reflection magnitude against Re
    float OutSwr = 0;
    std::int32_t Rex = 0; // Ohm, exciter output impedance
    float RinCalc = 0;  // Ohm, calculated cathode input resistance
    float Ci = 0;       // pF, total capacitance at the cathode
    float XCi = 0;      // Ohm, reactance of Ci at Fr
    float Rin = 0;      // Ohm, resistance the input network is designed for
    float Ui = 0;       // V, RF voltage at the cathode
    float Uin = 0;      // V, RF voltage at the exciter
    float Iin = 0;      // A, RF current into the cathode
    float Pi = 0;       // W, drive power
    std::int32_t Qio = 0; // open Q of the input network
    float Qil = 0;      // loaded Q of the input network
    float Kief = 0;     // input network efficiency
    float RexRin = 0;   // Rex / Rin
    float XCi1 = 0;     // Ohm, reactance of Ci1
    float XCi2 = 0;     // Ohm, reactance of Ci2 + Ci
    float XLi = 0;      // Ohm, reactance of Li
    float Ci1 = 0;      // pF, exciter-side capacitor
    float Ci2 = 0;      // pF, cathode-side capacitor without Ci
    float Li = 0;       // uH, input inductor
    float InR2 = 0;     // Ohm, series equivalent of Rin || (Ci2 + Ci)
    float InX2 = 0;
    float InR = 0;      // Ohm, impedance seen by the exciter
    float InX = 0;
    float InGamma = 0;  // reflection magnitude against Rex
    float InSwr = 0;
    float InBand = 0;   // MHz, proposed sweep bands and their halves
    float OutBand = 0;
    float InHalfBand = 0;
    float OutHalfBand = 0;
    float InSweepLo = 0; // MHz, limits of the next sweeps
    float OutSweepLo = 0;
    float InSweepHi = 0;
    float OutSweepHi = 0;
    float InAux1 = 0;   // W5FD input: Q of the exciter-side section
    float InAux2 = 0;   // W5FD input: Q of the cathode-side section
    float OutAux1 = 0;  // W5FD output: Q of the plate-side section
    float OutAux2 = 0;  // W5FD output: Q of the load-side section
};

} // namespace anodyne
