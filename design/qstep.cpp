#include "qstep.h"

namespace anodyne {

bool qStepCorrection(float& q, const QStep& how, DesignForm& f)
{
    const Ext raised = Ext(q) + how.step;
    f.informationBox("Q-factor set now to " + f.general(raised.value()), how.caption);
    q = toFloat(raised);
    f.setText(how.field, f.fixed(q, 1));
    f.setFocus(how.field);
    return false;
}

} // namespace anodyne
