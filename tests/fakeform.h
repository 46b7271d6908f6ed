// A window without a window: the design calculation's view of the main window,
// kept in plain maps, for tests of the toolkit-free core.
#pragma once

#include "design/designform.h"
#include "design/numericfield.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace anodyne::test {

class FakeForm : public DesignForm {
public:
    struct Box {
        std::string text;
        std::string caption;
    };

    explicit FakeForm(char separator = '.') : sep(separator)
    {
        for (const char* name : {"UaSpinEdit", "IaSpinEdit", "SSpinEdit", "CinSpinEdit", "CipSpinEdit",
                                 "CotSpinEdit", "CopSpinEdit", "EffSpinEdit", "FrSpinEdit", "TqSpinEdit",
                                 "RinSpinEdit", "QioSpinEdit", "QilSpinEdit", "QooSpinEdit", "QolSpinEdit",
                                 "ILFSpinEdit", "IHFSpinEdit", "OLFSpinEdit", "OHFSpinEdit"}) {
            const NumericFieldSpec* settings = findNumericField(name);
            texts[name] = fieldValueText(*settings, settings->start, sep);
        }
        texts["RaEdit"] = "50";
        texts["RexEdit"] = "50";
        for (const char* name : {"TRIButton", "RinCheckBox", "InARRLButton", "OuARRLButton"})
            checked[name] = true;
        enabled["RinSpinEdit"] = false;
    }

    // The window before any calculation, as the data file sees it: the component
    // labels show their placeholders and the remarks are empty.
    static FakeForm atStartup(char separator = '.')
    {
        FakeForm f(separator);
        for (const char* label : {"Ci1", "Li", "Ci2", "Co1", "Lo", "Co2"})
            f.texts[std::string(label) + "Label"] = label;
        f.texts["Label20"] = "pF";
        f.texts["TubeEdit"] = "";
        return f;
    }

    long double value(std::string_view field) const override
    {
        return readFieldValue(settings(field), text(field), sep);
    }
    void setValue(std::string_view field, long double v) override
    {
        texts[std::string(field)] = fieldValueText(settings(field), v, sep);
    }
    std::string text(std::string_view control) const override
    {
        const auto it = texts.find(std::string(control));
        return it == texts.end() ? std::string() : it->second;
    }
    void setText(std::string_view control, const std::string& t) override
    {
        texts[std::string(control)] = t;
        writes.emplace_back(control);
    }
    bool isChecked(std::string_view control) const override
    {
        const auto it = checked.find(std::string(control));
        return it != checked.end() && it->second;
    }
    void setChecked(std::string_view control, bool on) override { checked[std::string(control)] = on; }
    void setVisible(std::string_view label, bool on) override { visible[std::string(label)] = on; }
    bool isEnabled(std::string_view field) const override
    {
        const auto it = enabled.find(std::string(field));
        return it == enabled.end() || it->second;
    }
    void setEnabled(std::string_view field, bool on) override { enabled[std::string(field)] = on; }
    void setFocus(std::string_view field) override { focus = std::string(field); }
    void informationBox(const std::string& text, const std::string& caption) override
    {
        boxes.push_back({text, caption});
    }
    void showMathError(const std::string& text) override { mathErrors.push_back(text); }
    char decimalSeparator() const override { return sep; }

    // Selects one method button of a group ("In" or "Ou"), clearing the others.
    void chooseMethod(const std::string& prefix, const std::string& button)
    {
        for (const char* b : {"ARRLButton", "UA3DAButton", "IMPButton", "W5FDButton", "ZorvexButton"})
            checked[prefix + b] = false;
        checked[prefix + button] = true;
    }

    char sep;
    std::map<std::string, std::string> texts;
    std::map<std::string, bool> checked;
    std::map<std::string, bool> visible;
    std::map<std::string, bool> enabled;
    std::string focus;
    std::vector<Box> boxes;
    std::vector<std::string> mathErrors;
    std::vector<std::string> writes; // every setText, in order

private:
    static const NumericFieldSpec& settings(std::string_view field)
    {
        const NumericFieldSpec* s = findNumericField(field);
        if (s == nullptr)
            throw std::logic_error("not a numeric field: " + std::string(field));
        return *s;
    }
};

} // namespace anodyne::test
