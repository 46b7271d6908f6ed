// Impedance and SWR of a Pi-network at its port, as the design pass shows them in
// the "Input Match" and "Output Match" boxes.
#include "fakeform.h"

#include "design/apperror.h"
#include "design/evaluation.h"

#include <QtTest>

using namespace anodyne;
using anodyne::test::FakeForm;

namespace {

QString shown(const FakeForm& f, const char* control) { return QString::fromStdString(f.text(control)); }

// Four significant digits, as the results are quoted.
QString sig4(float v) { return QString::number(static_cast<double>(v), 'g', 4); }

QStringList sig4(const PiResult& r) { return {sig4(r.R2), sig4(r.X2), sig4(r.R), sig4(r.X), sig4(r.Gamma), sig4(r.Swr)}; }

} // namespace

class TestEvaluation : public QObject {
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void impedanceLabel_data();
    void impedanceLabel();
    void outputLoadIsWholeOhms();
    void faultKeepsEarlierResults();
    void faultBeforeAnyResult();
};

void TestEvaluation::workedExamples_data()
{
    QTest::addColumn<int>("rl");
    QTest::addColumn<float>("xc2");
    QTest::addColumn<float>("xl");
    QTest::addColumn<float>("xc1");
    QTest::addColumn<int>("r0");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QString>("impedance");
    QTest::addColumn<QString>("swr");

    QTest::newRow("capacitive port") << 50 << 50.0F << 75.0F << 50.0F << 100
                                     << QStringList{"25", "-25", "100", "-50", "0.2425", "1.64"}
                                     << "100.00 + j50.0 Ohm" << "SWR 1.64";
    QTest::newRow("inductive port") << 1000 << 200.0F << 300.0F << 150.0F << 2000
                                    << QStringList{"38.46", "-192.3", "264.7", "141.2", "0.7673", "7.594"}
                                    << "264.71 - j141.2 Ohm" << "SWR 7.59";
}

// The same evaluation on both sides: the input with Rin against the whole-ohm Rex,
// the output with the whole-ohm Ra against Re.
void TestEvaluation::workedExamples()
{
    QFETCH(int, rl);
    QFETCH(float, xc2);
    QFETCH(float, xl);
    QFETCH(float, xc1);
    QFETCH(int, r0);
    QFETCH(QStringList, results);
    QFETCH(QString, impedance);
    QFETCH(QString, swr);

    FakeForm f;
    const PiResult pure = evaluatePiNetwork(Ext(rl), xc2, xl, xc1, Ext(r0), f);
    QCOMPARE(sig4(pure), results);

    DesignState s;
    s.Rin = static_cast<float>(rl);
    s.XCi2 = xc2;
    s.XLi = xl;
    s.XCi1 = xc1;
    s.Rex = r0;
    s.Ra = rl;
    s.XCo2 = xc2;
    s.XLo = xl;
    s.XCo1 = xc1;
    s.Re = static_cast<float>(r0);
    evaluateInputNetwork(s, f);
    evaluateOutputNetwork(s, f);
    const PiResult in{s.InR2, s.InX2, s.InR, s.InX, s.InGamma, s.InSwr};
    const PiResult out{s.OutR2, s.OutX2, s.OutR, s.OutX, s.OutGamma, s.OutSwr};
    QCOMPARE(sig4(in), results);
    QCOMPARE(sig4(out), results);
    QCOMPARE(in.Swr, pure.Swr);
    QCOMPARE(out.Swr, pure.Swr);
    QCOMPARE(shown(f, "INComLabel"), impedance);
    QCOMPARE(shown(f, "OUComLabel"), impedance);
    QCOMPARE(shown(f, "INSWRLabel"), swr);
    QCOMPARE(shown(f, "OUSWRLabel"), swr);
    QVERIFY(f.mathErrors.empty());
}

// The impedance text names the conjugate: "- j" for an inductive port, "+ j" for a
// capacitive one; a port of exactly zero reactance leaves the text as it was.
void TestEvaluation::impedanceLabel_data()
{
    QTest::addColumn<float>("xc1");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("impedance");
    QTest::addColumn<QString>("swr");
    // 50 Ohm || -j50, then +j50 in series, then -j50 across the port: exactly 50 + j0.
    QTest::newRow("exactly matched: zero reactance") << 50.0F << '.' << "previous" << "SWR 1.00";
    QTest::newRow("slightly inductive") << 50.01F << '.' << "50.00 - j0.0 Ohm" << "SWR 1.00";
    QTest::newRow("slightly capacitive") << 49.99F << '.' << "50.00 + j0.0 Ohm" << "SWR 1.00";
    QTest::newRow("decimal comma") << 50.01F << ',' << "50,00 - j0,0 Ohm" << "SWR 1,00";
}

void TestEvaluation::impedanceLabel()
{
    QFETCH(float, xc1);
    QFETCH(char, separator);
    QFETCH(QString, impedance);
    QFETCH(QString, swr);
    FakeForm f(separator);
    f.texts["INComLabel"] = "previous";
    f.texts["INSWRLabel"] = "previous";
    DesignState s;
    s.Rin = 50;
    s.XCi2 = 50;
    s.XLi = 50;
    s.XCi1 = xc1;
    s.Rex = 50;
    evaluateInputNetwork(s, f);
    QCOMPARE(shown(f, "INComLabel"), impedance);
    QCOMPARE(shown(f, "INSWRLabel"), swr);
    if (xc1 == 50.0F) {
        QCOMPARE(s.InX, 0.0F);
        QCOMPARE(s.InR, 50.0F);
        QCOMPARE(s.InSwr, 1.0F);
    }
}

void TestEvaluation::outputLoadIsWholeOhms()
{
    FakeForm f;
    DesignState s;
    s.Ra = 50;
    s.XCo2 = 50;
    s.XLo = 75;
    s.XCo1 = 50;
    s.Re = 100;
    evaluateOutputNetwork(s, f);
    QCOMPARE(s.OutR2, 25.0F);
    QCOMPARE(s.OutX2, -25.0F);
    // Beyond 46340 Ohm the square no longer fits 32 bits; it is still formed exactly.
    s.Ra = 46341;
    s.XCo2 = 46341;
    s.XLo = 1000;
    s.XCo1 = 1000;
    s.Re = 1000;
    evaluateOutputNetwork(s, f);
    QCOMPARE(s.OutR2, 23170.5F);
    QCOMPARE(s.OutX2, -23170.5F);
}

// An exciter of 0 Ohm reflects everything: Gamma 1 is stored, then the SWR divides
// by zero. The SWR field and both labels keep their old values.
void TestEvaluation::faultKeepsEarlierResults()
{
    FakeForm f;
    f.texts["INComLabel"] = "previous";
    f.texts["INSWRLabel"] = "previous";
    DesignState s;
    s.Rin = 50;
    s.XCi2 = 50;
    s.XLi = 75;
    s.XCi1 = 50;
    s.Rex = 0;
    s.InSwr = 7;
    try {
        evaluateInputNetwork(s, f);
        QFAIL("no error raised");
    } catch (const AppError& e) {
        QCOMPARE(QString::fromStdString(e.text()), QStringLiteral("Floating point division by zero"));
    }
    QCOMPARE(s.InR2, 25.0F);
    QCOMPARE(s.InR, 100.0F);
    QCOMPARE(s.InGamma, 1.0F);
    QCOMPARE(s.InSwr, 7.0F);
    QCOMPARE(shown(f, "INComLabel"), QStringLiteral("previous"));
    QCOMPARE(shown(f, "INSWRLabel"), QStringLiteral("previous"));
}

// A network of nothing: 0 / 0 in the very first result.
void TestEvaluation::faultBeforeAnyResult()
{
    FakeForm f;
    DesignState s;
    s.OutR2 = 3;
    try {
        evaluateOutputNetwork(s, f);
        QFAIL("no error raised");
    } catch (const AppError& e) {
        QCOMPARE(QString::fromStdString(e.text()), QStringLiteral("Invalid floating point operation"));
    }
    QCOMPARE(s.OutR2, 3.0F);
    QVERIFY(f.writes.empty());
}

QTEST_GUILESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
