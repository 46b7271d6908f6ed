#include "sweep.h"

#include "pievaluation.h"

#include "design/extended.h"

namespace anodyne {
namespace {

// The sweeps write the reactance formulas as they read, 10^6 / (2 pi C f) and
// L 2 pi f, with pi as a double constant, rather than through the folded constant
// 10^6 / (2 pi) that the design pass uses for the opposite conversion. Either way
// the result differs only far below float resolution.
constexpr double kPi = 3.141592653589793;

// C in pF, f in MHz: ohms.
Ext capacitiveReactance(Ext c, float f) { return Ext(1.0e6) / (Ext(2.0) * kPi * c * f); }

// L in uH, f in MHz: ohms.
Ext inductiveReactance(float l, float f) { return Ext(l) * 2.0 * kPi * f; }

struct SweepLimits {
    float& lo;
    float& hi;
    const char* loField;
    const char* hiField;
};

SweepLimits limitsOf(SweepSide side, DesignState& s)
{
    if (side == SweepSide::Input)
        return {s.InSweepLo, s.InSweepHi, "ILFSpinEdit", "IHFSpinEdit"};
    return {s.OutSweepLo, s.OutSweepHi, "OLFSpinEdit", "OHFSpinEdit"};
}

// One side's proposed band, centred on Fr. The limits are stored unrounded and
// their texts shown as they are, even outside the fields' range.
void proposeBand(SweepSide side, Ext band, float& storedBand, float& halfBand, DesignState& s, DesignForm& f)
{
    storedBand = toFloat(band);
    halfBand = toFloat(Ext(storedBand) * 0.5);
    const SweepLimits limits = limitsOf(side, s);
    limits.lo = toFloat(Ext(s.Fr) - halfBand);
    limits.hi = toFloat(Ext(s.Fr) + halfBand);
    f.setText(limits.loField, f.fixed(limits.lo, 2));
    f.setText(limits.hiField, f.fixed(limits.hi, 2));
}

// The network's reactances at f from the component values of the last design pass.
// The tube's own capacitance sits at the cathode end of the input network and at the
// plate end of the output network.
void storeReactances(SweepSide side, DesignState& s, float f)
{
    if (side == SweepSide::Input) {
        s.XCi1 = toFloat(capacitiveReactance(s.Ci1, f));
        s.XCi2 = toFloat(capacitiveReactance(Ext(s.Ci2) + s.Ci, f));
        s.XLi = toFloat(inductiveReactance(s.Li, f));
    } else {
        s.XCo1 = toFloat(capacitiveReactance(Ext(s.Co1) + s.Ct, f));
        s.XCo2 = toFloat(capacitiveReactance(s.Co2, f));
        s.XLo = toFloat(inductiveReactance(s.Lo, f));
    }
}

float storedSwr(SweepSide side, const DesignState& s) { return side == SweepSide::Input ? s.InSwr : s.OutSwr; }

} // namespace

void proposeSweepBands(DesignState& s, DesignForm& f)
{
    // A tenth of the loaded-Q bandwidth for the input network, which is broad.
    proposeBand(SweepSide::Input, Ext(s.Fr) / (Ext(10.0) * s.Qil), s.InBand, s.InHalfBand, s, f);
    // Half the loaded-Q bandwidth for the sharper output network.
    proposeBand(SweepSide::Output, Ext(s.Fr) / (Ext(2.0) * s.Qol), s.OutBand, s.OutHalfBand, s, f);
}

std::vector<SweepPoint> runSweep(SweepSide side, DesignState& s, DesignForm& f, PointBuffer& buffer)
{
    constexpr int n = PointBuffer::Columns;
    constexpr int freqRow = PointBuffer::FrequencyRow;
    constexpr int swrRow = PointBuffer::SwrRow;
    const SweepLimits limits = limitsOf(side, s);

    // The band stored before this click: the last proposal, or the limits that the
    // previous sweep took over from the fields.
    const float step = toFloat((Ext(limits.hi) - limits.lo) * 0.05);
    for (int i = 0; i < n; ++i)
        buffer.setCell(i, freqRow, f.fixed((Ext(limits.lo) + Ext(i) * step).value(), 2));

    // Each point is evaluated at the frequency as the buffer shows it.
    for (int i = 0; i < n; ++i) {
        const float mhz = toFloat(f.toNumber(buffer.cell(i, freqRow)));
        storeReactances(side, s, mhz);
        evaluateSide(side, s, f);
        buffer.setCell(i, swrRow, f.fixed(storedSwr(side, s), 4));
    }

    // Only now do the limits in the fields count, for the next click.
    limits.lo = toFloat(f.value(limits.loField));
    limits.hi = toFloat(f.value(limits.hiField));

    std::vector<SweepPoint> points;
    points.reserve(n);
    for (int i = 0; i < n; ++i)
        points.push_back({static_cast<double>(f.toNumber(buffer.cell(i, freqRow))),
                          static_cast<double>(f.toNumber(buffer.cell(i, swrRow)))});
    return points;
}

} // namespace anodyne
