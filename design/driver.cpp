#include "driver.h"

#include "evaluation.h"
#include "inputnetwork.h"
#include "operatingpoint.h"
#include "outputnetwork.h"

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
    evaluateInputNetwork(s, f);
    if (!designOutputNetwork(s, f, checkedMethod(f, "Ou")))
        return false;
    evaluateOutputNetwork(s, f);
    // The output's "Check Q" wins over the input's; either one ends the pass
    // without a new sweep band.
    if (f.isChecked("QoCheckBox")) {
        checkOutputQ(s, f);
        return false;
    }
    if (f.isChecked("QiCheckBox")) {
        checkInputQ(s, f);
        return false;
    }
    return true;
}

} // namespace anodyne
