// Stage 2 of a design pass: the input (cathode) Pi-network.
#pragma once

#include "designform.h"
#include "designstate.h"
#include "networkmethod.h"

namespace anodyne {

// Runs the chosen method; false when the pass stops here (the network cannot be built).
bool designInputNetwork(DesignState& s, DesignForm& form, NetworkMethod method);

} // namespace anodyne
