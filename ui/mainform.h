// The form interface on the real controls: the calculation, the sweeps and the
// file operations address the main window's controls by object name through it.
#pragma once

#include "design/designform.h"

class QWidget;

namespace anodyne::ui {

class MainForm final : public DesignForm {
public:
    explicit MainForm(QWidget& window) : window_(window) {}

    long double value(std::string_view field) const override;
    void setValue(std::string_view field, long double v) override;
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, const std::string& text) override;
    bool isChecked(std::string_view control) const override;
    void setChecked(std::string_view control, bool checked) override;
    void setVisible(std::string_view label, bool visible) override;
    bool isEnabled(std::string_view field) const override;
    void setEnabled(std::string_view field, bool enabled) override;
    void setFocus(std::string_view field) override;
    void informationBox(const std::string& text, const std::string& caption) override;
    void showMathError(const std::string& text) override;
    char decimalSeparator() const override;

private:
    QWidget* control(std::string_view name) const;
    template <class T>
    T* as(std::string_view name) const;

    QWidget& window_;
};

} // namespace anodyne::ui
