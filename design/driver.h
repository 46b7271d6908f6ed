// The design pass that a click on the schematic runs: its stages in fixed order.
#pragma once

#include "designform.h"
#include "designstate.h"
#include "networkmethod.h"

namespace anodyne {

// The method whose radio button is checked, the buttons tested in their fixed
// order; `prefix` is "In" or "Ou".
NetworkMethod checkedMethod(const DesignForm& form, const char* prefix);

// One pass: operating point, input network and its match, output network and its
// match, then the closing step. Returns true when the closing step is the band
// proposal of the sweeps (neither "Check Q" box checked and nothing stopped the pass).
// Errors (conversion, arithmetic) propagate as AppError; nothing written is undone.
bool runDesignPass(DesignState& s, DesignForm& form);

} // namespace anodyne
