#include "spinfield.h"

#include "messages.h"

#include "design/extended.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace anodyne::ui {

char userDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

SpinField::SpinField(const NumericFieldSpec& settings, QWidget* parent) : QAbstractSpinBox(parent), spec_(settings)
{
    setObjectName(QString::fromLatin1(settings.name));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    setAccelerated(false);
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinField::textChanged);
    lineEdit()->setText(QString::fromStdString(fieldValueText(spec_, spec_.start, userDecimalSeparator())));
}

long double SpinField::value() const
{
    return readFieldValue(spec_, lineEdit()->text().toStdString(), userDecimalSeparator());
}

void SpinField::setValue(long double v)
{
    setFieldText(QString::fromStdString(fieldValueText(spec_, v, userDecimalSeparator())));
}

QString SpinField::fieldText() const { return lineEdit()->text(); }

void SpinField::setFieldText(const QString& text)
{
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

void SpinField::stepBy(int steps)
{
    if (!isEnabled())
        return;
    guarded([&] { setValue((Ext(value()) + Ext(steps) * Ext(spec_.step)).value()); });
}

QValidator::State SpinField::validate(QString&, int&) const { return QValidator::Acceptable; }

void SpinField::fixup(QString&) const {}

QAbstractSpinBox::StepEnabled SpinField::stepEnabled() const
{
    if (!isEnabled() || isReadOnly())
        return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

bool SpinField::accepts(QChar c) const
{
    if (c.isDigit() && c.unicode() < 0x80)
        return true;
    if (c == QLatin1Char('+') || c == QLatin1Char('-'))
        return true;
    if (spec_.integer)
        return false;
    const QString t = lineEdit()->text();
    if (c == QLatin1Char(userDecimalSeparator()))
        return !t.contains(c);
    if (c == QLatin1Char('e') || c == QLatin1Char('E'))
        return !t.contains(QLatin1Char('e'), Qt::CaseInsensitive);
    return false;
}

void SpinField::keyPressEvent(QKeyEvent* event)
{
    // Only the up and down arrows step; page keys do nothing here.
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!typed.isEmpty() && !command) {
        for (const QChar c : typed) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                continue; // control keys pass
            if (!accepts(c)) {
                QApplication::beep();
                emit keyRefused();
                event->accept();
                return;
            }
        }
    }
    QAbstractSpinBox::keyPressEvent(event);
}

bool SpinField::outsideRange(long double v) const
{
    if (spec_.minimum == spec_.maximum)
        return false;
    return v < static_cast<long double>(spec_.minimum) || v > static_cast<long double>(spec_.maximum);
}

void SpinField::focusOutEvent(QFocusEvent* event)
{
    QAbstractSpinBox::focusOutEvent(event);
    // Only a move of the focus to another control leaves the field; a message box
    // or a menu taking over the window for a moment does not.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    guarded([&] {
        const long double v = value();
        if (outsideRange(v))
            setValue(v);
    });
}

} // namespace anodyne::ui
