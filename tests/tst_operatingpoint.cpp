// The operating point, the input resistance steps and the drive levels, through
// the design driver and a fake form.
#include "passrunner.h"

#include "design/apperror.h"
#include "design/driver.h"

#include <QtTest>

using namespace anodyne;
using anodyne::test::Entries;
using anodyne::test::Expected;
using anodyne::test::FakeForm;
using anodyne::test::apply;
using anodyne::test::shown;

class TestOperatingPoint : public QObject {
    Q_OBJECT
private slots:
    void referenceCases_data();
    void referenceCases();
    void tubeCountZeroStopsAtPlateLoad();
    void conversionErrors_data();
    void conversionErrors();
    void negativeLoadReportsDomainError();
    void storedValuesAreSinglePrecision();
    void efficiencyEntryIsReplaced();
    void rinAboveFieldRange();
};

void TestOperatingPoint::referenceCases_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<Expected>("expected");

    QTest::newRow("triode at start-up values")
        << Entries{}
        << Expected{{"UaLabel", "1050V"},   {"RaLabel", "50 Ohm"},   {"IaLabel", "0.50A"},
                    {"PaoLabel", "525.0W"}, {"ReLabel", "1260 Ohm"}, {"EffSpinEdit", "0.65"},
                    {"PrfLabel", "341.3W"}, {"PadLabel", "183.8W"},  {"UouLabel", "130.6V"},
                    {"CtLabel", "40.0pF"},  {"SLabel", "2.5ma/V"},   {"RexLabel", "50 Ohm"},
                    {"KiefEdit", "0.962"},  {"CiLabel", "15.0"},     {"Label22", "209.8-j63.7"},
                    {"RinLabel", "230"},    {"RinSpinEdit", "230"},  {"PiLabel", "63W"},
                    {"UiLabel", "119.2V"},  {"UinLabel", "55.7V"},   {"IinLabel", "0.5A"}};
    QTest::newRow("tetrode")
        << Entries{{"TETButton", "on"}}
        << Expected{{"ReLabel", "1092 Ohm"}, {"EffSpinEdit", "0.55"}, {"PrfLabel", "288.8W"},
                    {"PadLabel", "236.3W"},  {"UouLabel", "120.2V"},  {"Label22", "197.5-j55.8"},
                    {"RinLabel", "214"},     {"PiLabel", "57W"},      {"UiLabel", "109.7V"},
                    {"UinLabel", "53.1V"},   {"IinLabel", "0.5A"}};
    QTest::newRow("two tetrodes")
        << Entries{{"TETButton", "on"}, {"TqSpinEdit", "2"}}
        << Expected{{"IaLabel", "1.00A"}, {"PaoLabel", "1050.0W"}, {"ReLabel", "546 Ohm"},
                    {"CtLabel", "50.0pF"}, {"SLabel", "5.0ma/V"},  {"CiLabel", "25.0"},
                    {"RinLabel", "112"},   {"PiLabel", "118W"}};
    QTest::newRow("manual Rin 150")
        << Entries{{"RinCheckBox", "off"}, {"RinSpinEdit", "150"}}
        << Expected{{"CiLabel", "15.0"}, {"RinLabel", "150"}, {"PiLabel", "63W"},
                    {"UiLabel", "96.5V"}, {"UinLabel", "55.7V"}, {"IinLabel", "0.6A"}};
    QTest::newRow("load and exciter truncated")
        << Entries{{"RaEdit", "50.9"}, {"RexEdit", "75.5"}}
        << Expected{{"RaLabel", "50 Ohm"}, {"RexLabel", "75 Ohm"}};
    QTest::newRow("decimal comma")
        << Entries{{"IaSpinEdit", "0,500"}, {"FrSpinEdit", "14,050"}}
        << Expected{{"IaLabel", "0,50A"}, {"PrfLabel", "341,3W"}, {"Label22", "209,8-j63,7"},
                    {"KiefEdit", "0,962"}};
}

void TestOperatingPoint::referenceCases()
{
    QFETCH(Entries, entries);
    QFETCH(Expected, expected);
    const bool comma = QByteArray(QTest::currentDataTag()) == "decimal comma";
    FakeForm f(comma ? ',' : '.');
    apply(f, entries);
    DesignState s;
    runDesignPass(s, f);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(shown(f, it.key()), it.value());
    QVERIFY(f.mathErrors.empty());
    const bool manual = entries.value("RinCheckBox") == "off";
    QCOMPARE(f.visible["Label22"], !manual);
    QCOMPARE(f.isEnabled("RinSpinEdit"), manual);
}

void TestOperatingPoint::tubeCountZeroStopsAtPlateLoad()
{
    FakeForm f;
    f.texts["ReLabel"] = "Re";
    f.texts["PrfLabel"] = "Prf";
    f.texts["TqSpinEdit"] = "0";
    DesignState s;
    try {
        runDesignPass(s, f);
        QFAIL("no error raised");
    } catch (const AppError& e) {
        QCOMPARE(QString::fromStdString(e.text()), QStringLiteral("Floating point division by zero"));
    }
    QCOMPARE(shown(f, "UaLabel"), QStringLiteral("1050V"));
    QCOMPARE(shown(f, "RaLabel"), QStringLiteral("50 Ohm"));
    QCOMPARE(shown(f, "IaLabel"), QStringLiteral("0.00A"));
    QCOMPARE(shown(f, "PaoLabel"), QStringLiteral("0.0W"));
    QCOMPARE(shown(f, "ReLabel"), QStringLiteral("Re"));
    QCOMPARE(shown(f, "PrfLabel"), QStringLiteral("Prf"));
    QCOMPARE(s.Re, 0.0F);
}

void TestOperatingPoint::conversionErrors_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("lastWritten");
    QTest::newRow("load") << "RaEdit" << "5O" << "UaLabel";
    QTest::newRow("exciter") << "RexEdit" << "" << "SLabel";
    QTest::newRow("exciter decimal comma under dot") << "RexEdit" << "75,5" << "SLabel";
}

void TestOperatingPoint::conversionErrors()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, lastWritten);
    FakeForm f;
    f.texts[edit.toStdString()] = typed.toStdString();
    DesignState s;
    try {
        runDesignPass(s, f);
        QFAIL("no error raised");
    } catch (const AppError& e) {
        QCOMPARE(QString::fromStdString(e.text()), QStringLiteral("'%1' is not a valid floating point value").arg(typed));
    }
    QVERIFY(!f.writes.empty());
    QCOMPARE(QString::fromStdString(f.writes.back()), lastWritten);
}

void TestOperatingPoint::negativeLoadReportsDomainError()
{
    FakeForm f;
    f.texts["RaEdit"] = "-50";
    DesignState s;
    // The plate network's load-side root fails too, and its NaN capacitor ends the
    // pass at its test; the operating point and drive levels are written by then.
    try {
        runDesignPass(s, f);
        QFAIL("no error raised");
    } catch (const AppError& e) {
        QCOMPARE(QString::fromStdString(e.text()), QStringLiteral("Invalid floating point operation"));
    }
    QVERIFY(!f.mathErrors.empty());
    QCOMPARE(QString::fromStdString(f.mathErrors.front()), QStringLiteral("sqrt: DOMAIN error"));
    QCOMPARE(shown(f, "RaLabel"), QStringLiteral("-50 Ohm"));
    QCOMPARE(shown(f, "UouLabel"), QStringLiteral("NANV"));
    QVERIFY(std::isnan(s.Uou));
    // The pass goes on: later labels are still written.
    QCOMPARE(shown(f, "PiLabel"), QStringLiteral("63W"));
}

void TestOperatingPoint::storedValuesAreSinglePrecision()
{
    FakeForm f;
    DesignState s;
    runDesignPass(s, f);
    QCOMPARE(s.Prf, 341.25F);
    QCOMPARE(s.Pad, 183.75F);
    QCOMPARE(s.Eff, 0.65F);
    QCOMPARE(s.Fr, 14.05F);
    QCOMPARE(s.Re, 1260.0F);
    QCOMPARE(s.Tq, 1);
    QCOMPARE(s.Qio, 80);
    // 1 - 3/80 in extended precision, rounded once to float.
    QCOMPARE(s.Kief, static_cast<float>(1.0L - 3.0L / 80.0L));
    QCOMPARE(s.Rin, s.RinCalc);
}

void TestOperatingPoint::efficiencyEntryIsReplaced()
{
    FakeForm f;
    f.texts["EffSpinEdit"] = "0.90";
    DesignState s;
    runDesignPass(s, f);
    QCOMPARE(shown(f, "EffSpinEdit"), QStringLiteral("0.65"));
    QCOMPARE(shown(f, "PrfLabel"), QStringLiteral("341.3W"));
}

void TestOperatingPoint::rinAboveFieldRange()
{
    FakeForm f;
    f.texts["UaSpinEdit"] = "10000";
    f.texts["IaSpinEdit"] = "0.010";
    DesignState s;
    runDesignPass(s, f);
    QVERIFY(shown(f, "RinLabel").toInt() > 3000);
    QCOMPARE(shown(f, "RinSpinEdit"), QStringLiteral("3000"));
}

QTEST_GUILESS_MAIN(TestOperatingPoint)
#include "tst_operatingpoint.moc"
