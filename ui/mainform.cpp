#include "mainform.h"

#include "messages.h"
#include "resultlabel.h"
#include "spinfield.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <stdexcept>

namespace anodyne::ui {
namespace {
QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
} // namespace

QWidget* MainForm::control(std::string_view name) const
{
    auto* w = window_.findChild<QWidget*>(qstr(name));
    if (w == nullptr)
        throw std::logic_error("The window has no control " + std::string(name));
    return w;
}

template <class T>
T* MainForm::as(std::string_view name) const
{
    auto* t = qobject_cast<T*>(control(name));
    if (t == nullptr)
        throw std::logic_error("Control " + std::string(name) + " is not of the kind asked for");
    return t;
}

long double MainForm::value(std::string_view field) const { return as<SpinField>(field)->value(); }

void MainForm::setValue(std::string_view field, long double v) { as<SpinField>(field)->setValue(v); }

std::string MainForm::text(std::string_view name) const
{
    QWidget* w = control(name);
    if (auto* f = qobject_cast<SpinField*>(w))
        return f->fieldText().toStdString();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text().toStdString();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text().toStdString();
    throw std::logic_error("Control " + std::string(name) + " has no text");
}

void MainForm::setText(std::string_view name, const std::string& text)
{
    QWidget* w = control(name);
    const QString t = QString::fromStdString(text);
    if (auto* f = qobject_cast<SpinField*>(w))
        f->setFieldText(t);
    else if (auto* r = qobject_cast<ResultLabel*>(w))
        r->setLabelText(t);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(t);
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(t);
    else
        throw std::logic_error("Control " + std::string(name) + " has no text");
}

bool MainForm::isChecked(std::string_view name) const { return as<QAbstractButton>(name)->isChecked(); }

void MainForm::setChecked(std::string_view name, bool checked)
{
    auto* b = as<QAbstractButton>(name);
    if (!checked && b->autoExclusive()) {
        // An exclusive radio button cannot be cleared on its own; clearing it leaves
        // the group with none checked, as the window's radio groups allow.
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
        return;
    }
    b->setChecked(checked); // a check box that changes state runs its click handler
}

void MainForm::setVisible(std::string_view name, bool visible) { control(name)->setVisible(visible); }

bool MainForm::isEnabled(std::string_view name) const { return control(name)->isEnabled(); }

void MainForm::setEnabled(std::string_view name, bool enabled) { control(name)->setEnabled(enabled); }

void MainForm::setFocus(std::string_view name) { control(name)->setFocus(Qt::OtherFocusReason); }

void MainForm::informationBox(const std::string& text, const std::string& caption)
{
    showInformation(QString::fromStdString(text), QString::fromStdString(caption));
}

void MainForm::showMathError(const std::string& text) { ui::showMathError(QString::fromStdString(text)); }

char MainForm::decimalSeparator() const { return userDecimalSeparator(); }

} // namespace anodyne::ui
