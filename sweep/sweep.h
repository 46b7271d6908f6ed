// The SWR sweep charts without the charts: the band every design pass proposes,
// and one sweep of a network over 21 frequencies of its band.
//
// The window calls proposeSweepBands when runDesignPass returns true, and runSweep
// from each chart's click; it then clears the chart's series and adds the returned
// points. When runSweep raises, the series stays as it was.
#pragma once

#include "pointbuffer.h"
#include "sweepside.h"

#include "design/designform.h"
#include "design/designstate.h"

#include <vector>

namespace anodyne {

struct SweepPoint {
    double mhz; // frequency as shown in the buffer, 0.01 MHz steps
    double swr; // SWR as shown in the buffer, four decimals
};

// Input band Fr / (10 Qil), output band Fr / (2 Qol), centred on Fr: stores the
// bands, halves and the limits of the next sweeps, and shows the limits with two
// decimals in ILFSpinEdit, IHFSpinEdit, OLFSpinEdit, OHFSpinEdit (not clamped).
void proposeSweepBands(DesignState& s, DesignForm& form);

// One chart click. Sweeps the stored band of `side` from the stored component
// values, writing the buffer and the side's reactance and evaluation fields as it
// goes; then takes over the limits shown in the side's two limit fields for the
// next sweep and returns the 21 points read back from the buffer, in buffer order.
// An arithmetic fault (AppError) ends it where it stands: the cells written so far
// keep their texts and the stored limits are not replaced.
std::vector<SweepPoint> runSweep(SweepSide side, DesignState& s, DesignForm& form, PointBuffer& buffer);

} // namespace anodyne
