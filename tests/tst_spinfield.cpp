// The numeric spin field on its own: reading, setting, stepping, leaving, typing,
// pasting and the disabled state, under "." and "," as decimal separator.
#include "boxguard.h"

#include "design/numericfield.h"
#include "ui/spinfield.h"

#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QStyleOptionSpinBox>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using anodyne::ui::SpinField;

namespace {

// Exposes where the style puts the up and down buttons.
class ProbeField : public SpinField {
public:
    using SpinField::SpinField;
    QPoint buttonCentre(bool up) const
    {
        QStyleOptionSpinBox opt;
        initStyleOption(&opt);
        return style()
            ->subControlRect(QStyle::CC_SpinBox, &opt, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, this)
            .center();
    }
};

QLocale localeFor(const QString& separator)
{
    return separator == QLatin1String(",") ? QLocale(QLocale::German, QLocale::Germany) : QLocale(QLocale::C);
}

} // namespace

class TestSpinField : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void readValue_data();
    void readValue();
    void setValue_data();
    void setValue();
    void setTextIsVerbatim();
    void step_data();
    void step();
    void stepReportsOnlyRealChanges();
    void leave_data();
    void leave();
    void windowLosingFocusIsNoLeave();
    void typing_data();
    void typing();
    void pasteIsNotFiltered();
    void disabledFieldTakesNoInput();

private:
    ProbeField* make(const char* name, const QString& text);

    std::unique_ptr<QWidget> host_;
    QLineEdit* other_ = nullptr;
    std::unique_ptr<anodyne::test::BoxGuard> guard_;
};

void TestSpinField::init()
{
    guard_ = std::make_unique<anodyne::test::BoxGuard>();
}

void TestSpinField::cleanup()
{
    host_.reset();
    QLocale::setDefault(QLocale(QLocale::C));
    const bool noBoxes = guard_->boxes.empty();
    const bool noDialogs = guard_->strayDialogs.isEmpty();
    guard_.reset();
    QVERIFY2(noBoxes, "unexpected message box");
    QVERIFY2(noDialogs, "unexpected modal dialog");
}

ProbeField* TestSpinField::make(const char* name, const QString& text)
{
    host_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(host_.get());
    auto* field = new ProbeField(*anodyne::findNumericField(name), host_.get());
    field->setFixedWidth(90);
    other_ = new QLineEdit(host_.get());
    layout->addWidget(field);
    layout->addWidget(other_);
    host_->show();
    QApplication::setActiveWindow(host_.get());
    if (!QTest::qWaitForWindowActive(host_.get()))
        qWarning("window not active");
    field->setFocus();
    field->setFieldText(text);
    return field;
}

void TestSpinField::readValue_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("integer") << "." << "UaSpinEdit" << "1050" << 1050.0;
    QTest::newRow("integer with blanks and sign") << "." << "UaSpinEdit" << " +75 " << 75.0;
    QTest::newRow("above range read as typed") << "." << "UaSpinEdit" << "20000" << 20000.0;
    QTest::newRow("below range read as typed") << "." << "TqSpinEdit" << "0" << 0.0;
    QTest::newRow("fraction in integer field reads minimum") << "." << "TqSpinEdit" << "0.5" << 1.0;
    QTest::newRow("empty integer field reads minimum") << "." << "CipSpinEdit" << "" << 1.0;
    QTest::newRow("decimal") << "." << "IaSpinEdit" << "0.500" << 0.5;
    QTest::newRow("decimal with exponent") << "." << "IaSpinEdit" << "2.5e-1" << 0.25;
    QTest::newRow("lone minus reads minimum") << "." << "IaSpinEdit" << "-" << 0.01;
    QTest::newRow("letters read minimum") << "." << "ILFSpinEdit" << "abc" << 0.125;
    QTest::newRow("comma under comma") << "," << "FrSpinEdit" << "7,03" << 7.03;
    QTest::newRow("point under comma is no number") << "," << "FrSpinEdit" << "7.03" << 0.005;
}

void TestSpinField::readValue()
{
    QFETCH(QString, separator);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QLocale::setDefault(localeFor(separator));
    SpinField* f = make(field.toLatin1().constData(), text);
    QCOMPARE(static_cast<double>(f->value()), expected);
    QCOMPARE(f->fieldText(), text); // reading never changes the text
}

void TestSpinField::setValue_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("integer half goes to even, down") << "." << "TqSpinEdit" << 2.5 << "2";
    QTest::newRow("integer half goes to even, up") << "." << "TqSpinEdit" << 3.5 << "4";
    QTest::newRow("limited to maximum") << "." << "UaSpinEdit" << 20000.0 << "10000";
    QTest::newRow("limited to minimum") << "." << "QilSpinEdit" << 0.5 << "1.0";
    QTest::newRow("decimals of the field") << "." << "IaSpinEdit" << 0.5 << "0.500";
    QTest::newRow("decimal half away from zero") << "." << "EffSpinEdit" << 0.625 << "0.63";
    QTest::newRow("comma separator") << "," << "FrSpinEdit" << 7.03 << "7,030";
}

void TestSpinField::setValue()
{
    QFETCH(QString, separator);
    QFETCH(QString, field);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QLocale::setDefault(localeFor(separator));
    SpinField* f = make(field.toLatin1().constData(), QString());
    f->setValue(value);
    QCOMPARE(f->fieldText(), expected);
}

void TestSpinField::setTextIsVerbatim()
{
    SpinField* f = make("ILFSpinEdit", QString());
    f->setFieldText(QStringLiteral("13.82"));
    QCOMPARE(f->fieldText(), QStringLiteral("13.82"));
    f->setFieldText(QStringLiteral("99999"));
    QCOMPARE(f->fieldText(), QStringLiteral("99999"));
}

void TestSpinField::step_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("how"); // "up button", "down button", "up key", "down key"
    QTest::addColumn<QString>("expected");

    QTest::newRow("plate voltage up button") << "UaSpinEdit" << "1050" << "up button" << "1055";
    QTest::newRow("plate voltage down key") << "UaSpinEdit" << "1050" << "down key" << "1045";
    QTest::newRow("loaded Q up key") << "QilSpinEdit" << "3.0" << "up key" << "3.1";
    QTest::newRow("loaded Q down button") << "QilSpinEdit" << "3.0" << "down button" << "2.9";
    QTest::newRow("tubes at maximum stay") << "TqSpinEdit" << "12" << "up button" << "12";
    QTest::newRow("above range steps from typed value, limited") << "UaSpinEdit" << "20000" << "down key" << "10000";
    QTest::newRow("no number steps from minimum") << "IaSpinEdit" << "abc" << "up key" << "0.015";
    QTest::newRow("unformatted text gets formatted") << "FrSpinEdit" << "7" << "up key" << "7.005";
}

void TestSpinField::step()
{
    QFETCH(QString, field);
    QFETCH(QString, start);
    QFETCH(QString, how);
    QFETCH(QString, expected);
    ProbeField* f = make(field.toLatin1().constData(), start);
    const bool up = how.startsWith(QLatin1String("up"));
    if (how.endsWith(QLatin1String("button")))
        QTest::mouseClick(f, Qt::LeftButton, Qt::NoModifier, f->buttonCentre(up));
    else
        QTest::keyClick(f, up ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(f->fieldText(), expected);
}

void TestSpinField::stepReportsOnlyRealChanges()
{
    ProbeField* f = make("TqSpinEdit", QStringLiteral("11"));
    QSignalSpy changed(f, &SpinField::textChanged);
    QTest::keyClick(f, Qt::Key_Up);
    QCOMPARE(changed.count(), 1);
    QTest::keyClick(f, Qt::Key_Up); // already 12: limited to the same text
    QCOMPARE(f->fieldText(), QStringLiteral("12"));
    QCOMPARE(changed.count(), 1);
}

void TestSpinField::leave_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("afterLeaving");

    QTest::newRow("above range goes to maximum") << "UaSpinEdit" << "20000" << "10000";
    QTest::newRow("below range goes to minimum") << "UaSpinEdit" << "7" << "50";
    QTest::newRow("in range stays as typed") << "QilSpinEdit" << "2.55" << "2.55";
    QTest::newRow("in range unformatted stays") << "FrSpinEdit" << "7" << "7";
    QTest::newRow("no number stays") << "IaSpinEdit" << "abc" << "abc";
    QTest::newRow("fraction in integer field stays") << "TqSpinEdit" << "0.5" << "0.5";
    QTest::newRow("exponent beyond range is limited") << "IaSpinEdit" << "1e3" << "20.000";
}

void TestSpinField::leave()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, afterLeaving);
    SpinField* f = make(field.toLatin1().constData(), typed);
    QTRY_VERIFY(f->hasFocus());
    other_->setFocus();
    QTRY_VERIFY(!f->hasFocus());
    QCOMPARE(f->fieldText(), afterLeaving);
}

void TestSpinField::windowLosingFocusIsNoLeave()
{
    // A box shown over the window (or a context menu) takes the focus only for a
    // moment: the typed value stays until the user really leaves the field.
    SpinField* f = make("UaSpinEdit", QStringLiteral("20000"));
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(f, &out);
        QCOMPARE(f->fieldText(), QStringLiteral("20000"));
    }
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(f, &out);
    QCOMPARE(f->fieldText(), QStringLiteral("10000"));
}

void TestSpinField::typing_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("refused");

    QTest::newRow("digits and signs") << "." << "UaSpinEdit" << "-+12" << "-+12" << 0;
    QTest::newRow("point refused in integer field") << "." << "TqSpinEdit" << "0.5" << "05" << 1;
    QTest::newRow("letters and blanks refused") << "." << "UaSpinEdit" << "1a 2" << "12" << 2;
    QTest::newRow("one separator only") << "." << "IaSpinEdit" << "1.2.3" << "1.23" << 1;
    QTest::newRow("one exponent letter only") << "." << "IaSpinEdit" << "1e5E6" << "1e56" << 1;
    QTest::newRow("exponent with sign") << "." << "IaSpinEdit" << "1E-3" << "1E-3" << 0;
    QTest::newRow("comma is the separator under comma") << "," << "IaSpinEdit" << "1,5" << "1,5" << 0;
    QTest::newRow("point refused under comma") << "," << "IaSpinEdit" << "1.5" << "15" << 1;
    QTest::newRow("comma refused under point") << "." << "IaSpinEdit" << "1,5" << "15" << 1;
}

void TestSpinField::typing()
{
    QFETCH(QString, separator);
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(int, refused);
    QLocale::setDefault(localeFor(separator));
    SpinField* f = make(field.toLatin1().constData(), QString());
    QSignalSpy refusals(f, &SpinField::keyRefused);
    QTest::keyClicks(f, keys);
    QCOMPARE(f->fieldText(), expected);
    QCOMPARE(refusals.count(), refused);

    // Control keys pass: backspace removes the last character.
    QTest::keyClick(f, Qt::Key_Backspace);
    QCOMPARE(f->fieldText(), expected.chopped(1));
    QCOMPARE(refusals.count(), refused);
}

void TestSpinField::pasteIsNotFiltered()
{
    SpinField* f = make("TqSpinEdit", QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("0.5"));
    QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f->fieldText(), QStringLiteral("0.5"));
    QCOMPARE(static_cast<double>(f->value()), 1.0); // not an integer: the minimum
    other_->setFocus();
    QTRY_VERIFY(!f->hasFocus());
    QCOMPARE(f->fieldText(), QStringLiteral("0.5"));
}

void TestSpinField::disabledFieldTakesNoInput()
{
    ProbeField* f = make("RinSpinEdit", QStringLiteral("1"));
    f->setEnabled(false);
    QTest::keyClicks(f, QStringLiteral("23"));
    QTest::keyClick(f, Qt::Key_Up);
    QTest::mouseClick(f, Qt::LeftButton, Qt::NoModifier, f->buttonCentre(true));
    QCOMPARE(f->fieldText(), QStringLiteral("1"));
    f->setValue(230);
    QCOMPARE(f->fieldText(), QStringLiteral("230"));
    QCOMPARE(static_cast<double>(f->value()), 230.0);
}

QTEST_MAIN(TestSpinField)
#include "tst_spinfield.moc"
