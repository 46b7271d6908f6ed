// The window as the calculation sees it.
//
// The calculation, the sweeps and the file operations reach the main window only
// through this interface; controls are addressed by their object names
// ("UaSpinEdit", "RinLabel", ...). The real window implements it on its controls,
// tests on a small fake.
#pragma once

#include "extended.h"
#include "numtext.h"

#include <string>
#include <string_view>

namespace anodyne {

class DesignForm : public MathErrorDisplay {
public:
    // Numeric fields. The value is the number shown, not limited to the field's
    // range; text that is not a number reads as the field's minimum.
    virtual long double value(std::string_view field) const = 0;
    // Limits to the field's range and shows the number in the field's format.
    virtual void setValue(std::string_view field, long double v) = 0;

    // Labels, edits and numeric fields: the text as it stands / replaced unformatted.
    virtual std::string text(std::string_view control) const = 0;
    virtual void setText(std::string_view control, const std::string& text) = 0;

    // Radio buttons and check boxes. Setting a check box to a new state runs its
    // click handler, as a click of the user would.
    virtual bool isChecked(std::string_view control) const = 0;
    virtual void setChecked(std::string_view control, bool checked) = 0;

    virtual void setVisible(std::string_view label, bool visible) = 0;
    virtual bool isEnabled(std::string_view field) const = 0;
    virtual void setEnabled(std::string_view field, bool enabled) = 0;
    virtual void setFocus(std::string_view field) = 0;

    // Modal box with the information icon and one OK button.
    virtual void informationBox(const std::string& text, const std::string& caption) = 0;

    // The user's decimal separator, used for every number text.
    virtual char decimalSeparator() const = 0;

    // Converts text read from an edit or label; raises the conversion error.
    long double toNumber(std::string_view text) const { return parseNumber(text, decimalSeparator()); }

    std::string fixed(long double v, int decimals) const { return fixedText(v, decimals, decimalSeparator()); }
    std::string general(long double v) const { return generalText(v, decimalSeparator()); }
};

} // namespace anodyne
