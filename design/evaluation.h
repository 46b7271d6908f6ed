// Impedance and SWR that a Pi-network presents at its driving port.
//
// The network, seen from the port: shunt C1, series L, shunt C2 across the load
// resistance RL. Every reactance is a positive magnitude in ohms (a capacitor is
// -jXC, the inductor +jXL). The port impedance R + jX is compared with the
// reference resistance R0: the exciter's Rex on the input side, the plate load Re
// on the output side. The design pass evaluates each network at Fr; the sweeps
// evaluate it at every sweep frequency.
#pragma once

#include "designform.h"
#include "designstate.h"
#include "extended.h"

namespace anodyne {

// The six results, each a single-precision design quantity.
struct PiResult {
    float R2 = 0;    // series-equivalent resistance of RL || C2
    float X2 = 0;    // series-equivalent reactance of RL || C2 (never positive)
    float R = 0;     // resistance seen at the port
    float X = 0;     // reactance seen at the port (positive: inductive)
    float Gamma = 0; // reflection magnitude against R0
    float Swr = 0;
};

// Where the results go, field by field. Each result is stored the moment it is
// computed, so a fault in a later step leaves the earlier fields with their new
// values, as everywhere else in the calculation.
struct PiTargets {
    float& R2;
    float& X2;
    float& R;
    float& X;
    float& Gamma;
    float& Swr;
};

// DesignState's InR2 ... InSwr and OutR2 ... OutSwr.
PiTargets inputTargets(DesignState& s);
PiTargets outputTargets(DesignState& s);

// Evaluates the network, storing into `out` in this order: R2, X2, (the series
// branch Xs = XL + X2 rounded to float, not stored), R, X, Gamma, SWR. Each formula
// runs in long double from the stored (float) values of the earlier steps.
// RL and R0 are taken as Ext so that whole-number resistances (Ra, Rex) come in
// exactly; RL squared is formed as RL x RL in long double, which is the exact
// whole product for any 32-bit Ra. The reactances are the stored float fields.
// Faults (a zero divisor, a NaN meeting a comparison) raise AppError; the square
// root of a negative radicand is reported on `display` and yields NaN.
void evaluatePiNetwork(Ext RL, float XC2, float XL, float XC1, Ext R0, const PiTargets& out,
                       MathErrorDisplay& display);

// The same, returning the results; on a fault nothing escapes but the error.
PiResult evaluatePiNetwork(Ext RL, float XC2, float XL, float XC1, Ext R0, MathErrorDisplay& display);

// Input match at Fr: Rin against Rex with XCi2, XLi, XCi1; stores InR2 ... InSwr,
// then writes INComLabel and INSWRLabel.
void evaluateInputNetwork(DesignState& s, DesignForm& form);

// Output match at Fr: Ra against Re with XCo2, XLo, XCo1; stores OutR2 ... OutSwr,
// then writes OUComLabel and OUSWRLabel.
void evaluateOutputNetwork(DesignState& s, DesignForm& form);

// "R - jX Ohm" for an inductive port (X > 0), "R + j|X| Ohm" for a capacitive
// one: the text names the conjugate that would match it. An X of exactly zero has
// no text (empty result: the label keeps what it shows).
std::string impedanceText(float R, float X, const DesignForm& form);

} // namespace anodyne
