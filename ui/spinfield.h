// The numeric spin field: a one-line edit with up and down buttons that keeps no
// number apart from its text. Reading converts the text afresh (a text that is not
// a number reads as the minimum, the range is not applied); setting limits to the
// range and formats; stepping goes through setting; leaving the field limits only
// a value that lies outside the range; typing is filtered key by key, pasting is
// not. QAbstractSpinBox's own validation and correction are switched off so that
// the text stays exactly as typed.
#pragma once

#include "design/numericfield.h"

#include <QAbstractSpinBox>

namespace anodyne::ui {

// The user's decimal separator, from the system locale (or the one a test set as default).
char userDecimalSeparator();

class SpinField : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit SpinField(const NumericFieldSpec& settings, QWidget* parent = nullptr);

    const NumericFieldSpec& settings() const { return spec_; }

    long double value() const;
    void setValue(long double v);
    QString fieldText() const;
    void setFieldText(const QString& text); // verbatim: neither limited nor reformatted

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

signals:
    void textChanged(const QString& text);
    void keyRefused(); // a typed key the field does not take (it beeps as well)

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool accepts(QChar c) const;
    bool outsideRange(long double v) const;

    const NumericFieldSpec& spec_;
};

} // namespace anodyne::ui
