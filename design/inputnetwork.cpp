#include "inputnetwork.h"

#include "operatingpoint.h"

namespace anodyne {

bool designInputNetwork(DesignState& s, DesignForm& f, NetworkMethod /*method*/)
{
    if (!f.isChecked("RinCheckBox"))
        manualInputResistance(s, f);
    // The network methods are not built yet: the pass ends after the drive levels.
    return false;
}

} // namespace anodyne
