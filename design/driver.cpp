#include "driver.h"

#include "inputnetwork.h"
#include "operatingpoint.h"

#include <string>

namespace anodyne {

NetworkMethod checkedMethod(const DesignForm& f, const char* prefix)
{
    const std::string p(prefix);
    if (f.isChecked(p + "ARRLButton"))
        return NetworkMethod::Standard;
    if (f.isChecked(p + "UA3DAButton"))
        return NetworkMethod::UA3DA;
    if (f.isChecked(p + "IMPButton"))
        return NetworkMethod::ImpedanceTransformer;
    if (f.isChecked(p + "W5FDButton"))
        return NetworkMethod::W5FD;
    return NetworkMethod::Zorvex;
}

bool runDesignPass(DesignState& s, DesignForm& f)
{
    computeOperatingPoint(s, f);
    if (!designInputNetwork(s, f, checkedMethod(f, "In")))
        return false;
    return false;
}

} // namespace anodyne
