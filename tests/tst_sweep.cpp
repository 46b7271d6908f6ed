// The sweep bands, the two 21-point SWR sweeps and the network evaluation behind
// them, on a hand-built design and a fake form.
#include "fakeform.h"

#include "design/apperror.h"
#include "design/driver.h"
#include "design/evaluation.h"
#include "sweep/pievaluation.h"
#include "sweep/sweep.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <limits>

using namespace anodyne;
using anodyne::test::FakeForm;

Q_DECLARE_METATYPE(anodyne::SweepSide)

namespace {

constexpr long double kPiL = 3.141592653589793238462643383279502884L;

// Reactances of a Pi-network matching a resistance `low` at one end to `high` at the
// other with loaded Q `q` defined at the high end (the textbook dimensioning).
struct PiReactances {
    long double xHigh; // shunt capacitor at the high-resistance end
    long double xLow;  // shunt capacitor at the low-resistance end
    long double xL;    // series inductor
};

PiReactances matchedPi(long double high, long double low, long double q)
{
    PiReactances p{};
    p.xHigh = high / q;
    p.xLow = low / std::sqrt(low / high * (q * q + 1) - 1);
    p.xL = (q * high + high * low / p.xLow) / (q * q + 1);
    return p;
}

float picofarads(long double x, long double mhz) { return static_cast<float>(1e6L / (2 * kPiL * x * mhz)); }
float microhenries(long double x, long double mhz) { return static_cast<float>(x / (2 * kPiL * mhz)); }

// A design as a completed pass at 14.05 MHz would leave it: a 50 Ohm exciter into a
// 230 Ohm cathode (15 pF) with Q 3, a 1260 Ohm plate (40 pF) into 50 Ohm with Q 13.
// Both networks are matched at Fr; the reactance fields hold their values at Fr.
DesignState designFixture()
{
    DesignState s;
    s.Fr = 14.05F;
    s.Rex = 50;
    s.Rin = 230;
    s.Ci = 15;
    s.Qil = 3;
    s.Ra = 50;
    s.Re = 1260;
    s.Ct = 40;
    s.Qol = 13;
    const long double fr = s.Fr;

    const PiReactances in = matchedPi(s.Rin, s.Rex, s.Qil);
    s.Ci1 = picofarads(in.xLow, fr);
    s.Ci2 = static_cast<float>(picofarads(in.xHigh, fr) - s.Ci);
    s.Li = microhenries(in.xL, fr);
    s.XCi1 = static_cast<float>(in.xLow);
    s.XCi2 = static_cast<float>(in.xHigh);
    s.XLi = static_cast<float>(in.xL);

    const PiReactances out = matchedPi(s.Re, s.Ra, s.Qol);
    s.Co1 = static_cast<float>(picofarads(out.xHigh, fr) - s.Ct);
    s.Co2 = picofarads(out.xLow, fr);
    s.Lo = microhenries(out.xL, fr);
    s.XCo1 = static_cast<float>(out.xHigh);
    s.XCo2 = static_cast<float>(out.xLow);
    s.XLo = static_cast<float>(out.xL);
    return s;
}

// The SWR of the side's network at `mhz`, from its component values by complex
// circuit arithmetic in SI units: an independent model of what the sweep computes.
long double modelSwr(SweepSide side, const DesignState& s, long double mhz)
{
    using Z = std::complex<long double>;
    const bool input = side == SweepSide::Input;
    const long double c1 = input ? s.Ci1 : static_cast<long double>(s.Co1) + s.Ct;
    const long double c2 = input ? static_cast<long double>(s.Ci2) + s.Ci : s.Co2;
    const long double l = input ? s.Li : s.Lo;
    const long double load = input ? s.Rin : s.Ra;
    const long double ref = input ? s.Rex : s.Re;

    const long double w = 2 * kPiL * mhz * 1e6L;
    const Z zc1 = 1.0L / Z(0, w * c1 * 1e-12L);
    const Z zc2 = 1.0L / Z(0, w * c2 * 1e-12L);
    const Z zl(0, w * l * 1e-6L);
    const Z zLoad = load * zc2 / (load + zc2);
    const Z zSeries = zl + zLoad;
    const Z zPort = zSeries * zc1 / (zSeries + zc1);
    const long double gamma = std::abs((zPort - ref) / (zPort + ref));
    return (1 + gamma) / (1 - gamma);
}

QStringList rowTexts(const PointBuffer& b, int row)
{
    QStringList texts;
    for (int i = 0; i < PointBuffer::Columns; ++i)
        texts << QString::fromStdString(b.cell(i, row));
    return texts;
}

void fillBuffer(PointBuffer& b, const std::string& text)
{
    for (int row = 0; row < PointBuffer::Rows; ++row)
        for (int i = 0; i < PointBuffer::Columns; ++i)
            b.setCell(i, row, text);
}

const char* lowField(SweepSide side) { return side == SweepSide::Input ? "ILFSpinEdit" : "OLFSpinEdit"; }
const char* highField(SweepSide side) { return side == SweepSide::Input ? "IHFSpinEdit" : "OHFSpinEdit"; }
float& storedLow(SweepSide side, DesignState& s) { return side == SweepSide::Input ? s.InSweepLo : s.OutSweepLo; }
float& storedHigh(SweepSide side, DesignState& s) { return side == SweepSide::Input ? s.InSweepHi : s.OutSweepHi; }

void setStoredLimits(SweepSide side, DesignState& s, float lo, float hi)
{
    storedLow(side, s) = lo;
    storedHigh(side, s) = hi;
}

bool sameState(const DesignState& a, const DesignState& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The fields a sweep of `side` may change, copied from `after` into `before`.
DesignState withSweepFields(DesignState before, const DesignState& after, SweepSide side)
{
    if (side == SweepSide::Input) {
        before.XCi1 = after.XCi1, before.XCi2 = after.XCi2, before.XLi = after.XLi;
        before.InR2 = after.InR2, before.InX2 = after.InX2, before.InR = after.InR, before.InX = after.InX;
        before.InGamma = after.InGamma, before.InSwr = after.InSwr;
        before.InSweepLo = after.InSweepLo, before.InSweepHi = after.InSweepHi;
    } else {
        before.XCo1 = after.XCo1, before.XCo2 = after.XCo2, before.XLo = after.XLo;
        before.OutR2 = after.OutR2, before.OutX2 = after.OutX2, before.OutR = after.OutR, before.OutX = after.OutX;
        before.OutGamma = after.OutGamma, before.OutSwr = after.OutSwr;
        before.OutSweepLo = after.OutSweepLo, before.OutSweepHi = after.OutSweepHi;
    }
    return before;
}

bool near(double actual, double expected, double tolerance)
{
    return std::fabs(actual - expected) <= tolerance * std::max(1.0, std::fabs(expected));
}

} // namespace

class TestSweep : public QObject {
    Q_OBJECT
private slots:
    void bandProposal_data();
    void bandProposal();
    void firstSweepFrequencies_data();
    void firstSweepFrequencies();
    void sweepMatchesNetworkModel_data();
    void sweepMatchesNetworkModel();
    void reversedAndEqualLimits_data();
    void reversedAndEqualLimits();
    void limitsTakeEffectOnSecondSweep_data();
    void limitsTakeEffectOnSecondSweep();
    void limitFieldNotANumber_data();
    void limitFieldNotANumber();
    void stateLeftBySweep_data();
    void stateLeftBySweep();
    void faultsEndSweep_data();
    void faultsEndSweep();
    void unreadableSwrText();
    void decimalComma_data();
    void decimalComma();
    void evaluation_data();
    void evaluation();
    void evaluationFaultKeepsEarlierResults();
    void sweepAfterDesignPass_data();
    void sweepAfterDesignPass();
};

void TestSweep::bandProposal_data()
{
    QTest::addColumn<float>("fr");
    QTest::addColumn<float>("qil");
    QTest::addColumn<float>("qol");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QStringList>("limitTexts"); // ILF, IHF, OLF, OHF
    QTest::addColumn<float>("inSweepLo");        // stored unrounded
    QTest::addColumn<float>("outSweepHi");

    QTest::newRow("14.05 MHz") << 14.05F << 3.0F << 13.0F << '.'
                               << QStringList{"13.82", "14.28", "13.78", "14.32"} << 13.81583309173584F
                               << 14.320192337036133F;
    QTest::newRow("1.83 MHz") << 1.83F << 3.0F << 13.0F << '.' << QStringList{"1.80", "1.86", "1.79", "1.87"}
                              << 1.7994999885559082F << 1.8651922941207886F;
    QTest::newRow("decimal comma") << 14.05F << 3.0F << 13.0F << ','
                                   << QStringList{"13,82", "14,28", "13,78", "14,32"} << 13.81583309173584F
                                   << 14.320192337036133F;
    // The texts are set directly: below the fields' minimum 0.125 and above their
    // maximum 1350 they are shown as computed.
    QTest::newRow("below field minimum") << 0.05F << 1.0F << 1.0F << '.'
                                         << QStringList{"0.05", "0.05", "0.04", "0.06"} << 0.04749999940395355F
                                         << 0.0625F;
    QTest::newRow("above field maximum") << 1300.0F << 200.0F << 1.0F << '.'
                                         << QStringList{"1299.68", "1300.32", "975.00", "1625.00"}
                                         << 1299.675048828125F << 1625.0F;
}

void TestSweep::bandProposal()
{
    QFETCH(float, fr);
    QFETCH(float, qil);
    QFETCH(float, qol);
    QFETCH(char, separator);
    QFETCH(QStringList, limitTexts);
    QFETCH(float, inSweepLo);
    QFETCH(float, outSweepHi);

    FakeForm f(separator);
    DesignState s;
    s.Fr = fr;
    s.Qil = qil;
    s.Qol = qol;
    proposeSweepBands(s, f);

    const std::vector<std::string> fields{"ILFSpinEdit", "IHFSpinEdit", "OLFSpinEdit", "OHFSpinEdit"};
    QCOMPARE(f.writes, fields);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(QString::fromStdString(f.text(fields[i])), limitTexts[i]);
    QCOMPARE(s.InSweepLo, inSweepLo);
    QCOMPARE(s.OutSweepHi, outSweepHi);
    QCOMPARE(s.InHalfBand, s.InBand * 0.5F);
    QCOMPARE(s.OutHalfBand, s.OutBand * 0.5F);
}

void TestSweep::firstSweepFrequencies_data()
{
    QTest::addColumn<SweepSide>("side");
    QTest::addColumn<float>("fr");
    QTest::addColumn<QStringList>("frequencies");

    QTest::newRow("input at 14.05 MHz")
        << SweepSide::Input << 14.05F
        << QString("13.82 13.84 13.86 13.89 13.91 13.93 13.96 13.98 14.00 14.03 14.05 14.07 14.10 14.12 14.14 "
                   "14.17 14.19 14.21 14.24 14.26 14.28")
               .split(' ');
    QTest::newRow("output at 14.05 MHz")
        << SweepSide::Output << 14.05F
        << QString("13.78 13.81 13.83 13.86 13.89 13.91 13.94 13.97 14.00 14.02 14.05 14.08 14.10 14.13 14.16 "
                   "14.19 14.21 14.24 14.27 14.29 14.32")
               .split(' ');
    // A step of 0.00305 MHz repeats frequencies once rounded to 0.01 MHz.
    QTest::newRow("input narrow band at 1.83 MHz")
        << SweepSide::Input << 1.83F
        << QString("1.80 1.80 1.81 1.81 1.81 1.81 1.82 1.82 1.82 1.83 1.83 1.83 1.84 1.84 1.84 1.85 1.85 1.85 "
                   "1.85 1.86 1.86")
               .split(' ');
    QTest::newRow("output narrow band at 1.83 MHz")
        << SweepSide::Output << 1.83F
        << QString("1.79 1.80 1.80 1.81 1.81 1.81 1.82 1.82 1.82 1.83 1.83 1.83 1.84 1.84 1.84 1.85 1.85 1.85 "
                   "1.86 1.86 1.87")
               .split(' ');
}

void TestSweep::firstSweepFrequencies()
{
    QFETCH(SweepSide, side);
    QFETCH(float, fr);
    QFETCH(QStringList, frequencies);

    FakeForm f;
    DesignState s = designFixture();
    s.Fr = fr;
    proposeSweepBands(s, f);
    PointBuffer b;
    const std::vector<SweepPoint> points = runSweep(side, s, f, b);

    QCOMPARE(rowTexts(b, PointBuffer::FrequencyRow), frequencies);
    QCOMPARE(points.size(), std::size_t(PointBuffer::Columns));
    const QStringList swr = rowTexts(b, PointBuffer::SwrRow);
    for (int i = 0; i < PointBuffer::Columns; ++i) {
        // The points are the buffer's texts read back.
        QCOMPARE(points[i].mhz, frequencies[i].toDouble());
        QCOMPARE(points[i].swr, swr[i].toDouble());
        // Each point is evaluated at the frequency as shown, so repeats agree.
        if (i > 0 && frequencies[i] == frequencies[i - 1])
            QCOMPARE(swr[i], swr[i - 1]);
    }
}

void TestSweep::sweepMatchesNetworkModel_data()
{
    QTest::addColumn<SweepSide>("side");
    QTest::newRow("input") << SweepSide::Input;
    QTest::newRow("output") << SweepSide::Output;
}

void TestSweep::sweepMatchesNetworkModel()
{
    QFETCH(SweepSide, side);
    FakeForm f;
    DesignState s = designFixture();
    proposeSweepBands(s, f);
    PointBuffer b;
    const std::vector<SweepPoint> points = runSweep(side, s, f, b);

    for (const SweepPoint& p : points) {
        const long double expected = modelSwr(side, s, p.mhz);
        QVERIFY2(near(p.swr, static_cast<double>(expected), 2e-4),
                 qPrintable(QStringLiteral("%1 MHz: SWR %2, model %3").arg(p.mhz).arg(p.swr).arg(double(expected))));
    }
    // Matched at the design frequency, worse towards both band edges.
    QCOMPARE(points[10].mhz, 14.05);
    QVERIFY(points[10].swr < 1.001);
    QVERIFY(points.front().swr > points[10].swr + 0.01);
    QVERIFY(points.back().swr > points[10].swr + 0.01);
}

void TestSweep::reversedAndEqualLimits_data()
{
    QTest::addColumn<SweepSide>("side");
    QTest::newRow("input") << SweepSide::Input;
    QTest::newRow("output") << SweepSide::Output;
}

void TestSweep::reversedAndEqualLimits()
{
    QFETCH(SweepSide, side);
    FakeForm f;
    const DesignState fixture = designFixture();
    const auto sweep = [&](float lo, float hi) {
        DesignState s = fixture;
        setStoredLimits(side, s, lo, hi);
        PointBuffer b;
        return runSweep(side, s, f, b);
    };
    const auto byFrequency = [](std::vector<SweepPoint> v) {
        std::stable_sort(v.begin(), v.end(), [](const SweepPoint& a, const SweepPoint& c) { return a.mhz < c.mhz; });
        return v;
    };

    const std::vector<SweepPoint> upward = sweep(13.8F, 14.2F);
    const std::vector<SweepPoint> downward = sweep(14.2F, 13.8F);
    QCOMPARE(upward.front().mhz, 13.8);
    QCOMPARE(downward.front().mhz, 14.2);
    const std::vector<SweepPoint> sorted = byFrequency(downward);
    for (int i = 0; i < PointBuffer::Columns; ++i) {
        QCOMPARE(sorted[i].mhz, upward[i].mhz);
        QCOMPARE(sorted[i].swr, upward[i].swr);
    }

    const std::vector<SweepPoint> single = sweep(14.05F, 14.05F);
    for (const SweepPoint& p : single) {
        QCOMPARE(p.mhz, 14.05);
        QCOMPARE(p.swr, single.front().swr);
    }
}

void TestSweep::limitsTakeEffectOnSecondSweep_data()
{
    QTest::addColumn<SweepSide>("side");
    QTest::addColumn<QString>("proposedFirst");
    QTest::addColumn<QString>("proposedLast");
    QTest::newRow("input") << SweepSide::Input << "13.82" << "14.28";
    QTest::newRow("output") << SweepSide::Output << "13.78" << "14.32";
}

void TestSweep::limitsTakeEffectOnSecondSweep()
{
    QFETCH(SweepSide, side);
    QFETCH(QString, proposedFirst);
    QFETCH(QString, proposedLast);
    FakeForm f;
    DesignState s = designFixture();
    proposeSweepBands(s, f);
    f.texts[lowField(side)] = "13.80";
    f.texts[highField(side)] = "14.20";
    PointBuffer b;

    runSweep(side, s, f, b);
    QStringList freqs = rowTexts(b, PointBuffer::FrequencyRow);
    QCOMPARE(freqs.front(), proposedFirst);
    QCOMPARE(freqs.back(), proposedLast);
    QCOMPARE(storedLow(side, s), 13.8F);
    QCOMPARE(storedHigh(side, s), 14.2F);

    runSweep(side, s, f, b);
    freqs = rowTexts(b, PointBuffer::FrequencyRow);
    QCOMPARE(freqs.front(), QStringLiteral("13.80"));
    QCOMPARE(freqs[1], QStringLiteral("13.82"));
    QCOMPARE(freqs.back(), QStringLiteral("14.20"));
}

void TestSweep::limitFieldNotANumber_data()
{
    QTest::addColumn<SweepSide>("side");
    QTest::addColumn<QString>("typed");
    QTest::newRow("input, letters") << SweepSide::Input << "abc";
    QTest::newRow("output, empty") << SweepSide::Output << "";
    QTest::newRow("input, comma under dot") << SweepSide::Input << "13,8";
}

void TestSweep::limitFieldNotANumber()
{
    QFETCH(SweepSide, side);
    QFETCH(QString, typed);
    FakeForm f;
    DesignState s = designFixture();
    proposeSweepBands(s, f);
    f.texts[lowField(side)] = typed.toStdString();
    f.texts[highField(side)] = "14.20";
    PointBuffer b;

    runSweep(side, s, f, b);
    QCOMPARE(storedLow(side, s), 0.125F);
    QCOMPARE(storedHigh(side, s), 14.2F);
    // The field keeps what was typed; the next sweep starts at the field's minimum.
    QCOMPARE(QString::fromStdString(f.text(lowField(side))), typed);
    runSweep(side, s, f, b);
    QCOMPARE(QString::fromStdString(b.cell(0, PointBuffer::FrequencyRow)), QStringLiteral("0.13"));
}

void TestSweep::stateLeftBySweep_data()
{
    QTest::addColumn<SweepSide>("side");
    QTest::newRow("input") << SweepSide::Input;
    QTest::newRow("output") << SweepSide::Output;
}

void TestSweep::stateLeftBySweep()
{
    QFETCH(SweepSide, side);
    FakeForm f;
    DesignState s = designFixture();
    proposeSweepBands(s, f);
    f.writes.clear();
    const DesignState before = s;
    PointBuffer b;
    runSweep(side, s, f, b);

    // Only this side's reactances, results and limits changed; no label was written.
    QVERIFY(sameState(withSweepFields(before, s, side), s));
    QVERIFY(f.writes.empty());

    // The reactances and results describe the last sweep frequency, not Fr.
    const bool input = side == SweepSide::Input;
    const long double last = input ? 14.28L : 14.32L;
    const long double w = 2 * kPiL * last;
    const float xc1 = input ? s.XCi1 : s.XCo1;
    const float xc2 = input ? s.XCi2 : s.XCo2;
    const float xl = input ? s.XLi : s.XLo;
    const long double c1 = input ? s.Ci1 : static_cast<long double>(s.Co1) + s.Ct;
    const long double c2 = input ? static_cast<long double>(s.Ci2) + s.Ci : s.Co2;
    const long double l = input ? s.Li : s.Lo;
    QVERIFY(near(xc1, static_cast<double>(1e6L / (w * c1)), 1e-6));
    QVERIFY(near(xc2, static_cast<double>(1e6L / (w * c2)), 1e-6));
    QVERIFY(near(xl, static_cast<double>(w * l), 1e-6));
    QVERIFY(xl > (input ? before.XLi : before.XLo));

    const float swr = input ? s.InSwr : s.OutSwr;
    QCOMPARE(QString::fromStdString(b.cell(20, PointBuffer::SwrRow)), QString::fromStdString(f.fixed(swr, 4)));
    QVERIFY(near(swr, static_cast<double>(modelSwr(side, s, last)), 1e-5));
    const float gamma = input ? s.InGamma : s.OutGamma;
    QVERIFY(near(gamma, (double(swr) - 1.0) / (double(swr) + 1.0), 1e-5));
}

void TestSweep::faultsEndSweep_data()
{
    QTest::addColumn<SweepSide>("side");
    QTest::addColumn<bool>("designed"); // a design fixture, or the all-zero start-up state
    QTest::addColumn<float>("lo");
    QTest::addColumn<float>("hi");
    QTest::addColumn<QString>("zeroComponent");
    QTest::addColumn<int>("swrCellsWritten");

    // Before any calculation the stored band is 0 to 0 and every component is zero.
    QTest::newRow("input before any calculation") << SweepSide::Input << false << 0.0F << 0.0F << "" << 0;
    QTest::newRow("output before any calculation") << SweepSide::Output << false << 0.0F << 0.0F << "" << 0;
    QTest::newRow("limits below 5 kHz") << SweepSide::Input << true << 0.001F << 0.004F << "" << 0;
    QTest::newRow("band through zero") << SweepSide::Output << true << 0.1F << -0.1F << "" << 10;
    QTest::newRow("zero load-side capacitor") << SweepSide::Output << true << 13.8F << 14.2F << "Co2" << 0;
    QTest::newRow("zero exciter-side capacitor") << SweepSide::Input << true << 13.8F << 14.2F << "Ci1" << 0;
}

void TestSweep::faultsEndSweep()
{
    QFETCH(SweepSide, side);
    QFETCH(bool, designed);
    QFETCH(float, lo);
    QFETCH(float, hi);
    QFETCH(QString, zeroComponent);
    QFETCH(int, swrCellsWritten);

    FakeForm f;
    f.texts[lowField(side)] = "13.80";
    f.texts[highField(side)] = "14.20";
    DesignState s = designed ? designFixture() : DesignState{};
    setStoredLimits(side, s, lo, hi);
    if (zeroComponent == "Co2")
        s.Co2 = 0;
    if (zeroComponent == "Ci1")
        s.Ci1 = 0;
    const DesignState before = s;
    PointBuffer b;
    fillBuffer(b, "old");

    try {
        runSweep(side, s, f, b);
        QFAIL("no error raised");
    } catch (const AppError& e) {
        QCOMPARE(QString::fromStdString(e.text()), QStringLiteral("Floating point division by zero"));
    }

    // The stored band is not replaced by the fields' limits.
    QCOMPARE(storedLow(side, s), lo);
    QCOMPARE(storedHigh(side, s), hi);
    if (!designed)
        QVERIFY(sameState(s, DesignState{}));
    else
        QVERIFY(sameState(withSweepFields(before, s, side), s));

    // All frequencies are written first; SWR cells up to the fault keep their new texts.
    const QStringList freqs = rowTexts(b, PointBuffer::FrequencyRow);
    QVERIFY(!freqs.contains("old"));
    if (lo == hi)
        QCOMPARE(freqs, QStringList(PointBuffer::Columns, "0.00"));
    const QStringList swr = rowTexts(b, PointBuffer::SwrRow);
    for (int i = 0; i < PointBuffer::Columns; ++i)
        QCOMPARE(swr[i] != "old", i < swrCellsWritten);
}

void TestSweep::unreadableSwrText()
{
    // A not-a-number inductor (left by a pass that ended in a fault) flows through
    // the evaluation without a trap; its SWR text cannot be read back for the chart.
    FakeForm f;
    f.texts["ILFSpinEdit"] = "13.90";
    f.texts["IHFSpinEdit"] = "14.10";
    DesignState s = designFixture();
    setStoredLimits(SweepSide::Input, s, 13.8F, 14.2F);
    s.Li = std::numeric_limits<float>::quiet_NaN();
    PointBuffer b;
    try {
        runSweep(SweepSide::Input, s, f, b);
        QFAIL("no error raised");
    } catch (const AppError& e) {
        QCOMPARE(QString::fromStdString(e.text()), QStringLiteral("'NAN' is not a valid floating point value"));
    }
    QCOMPARE(rowTexts(b, PointBuffer::SwrRow), QStringList(PointBuffer::Columns, "NAN"));
    // The whole sweep ran, so the fields' limits were already taken over.
    QCOMPARE(s.InSweepLo, 13.9F);
    QCOMPARE(s.InSweepHi, 14.1F);
}

void TestSweep::decimalComma_data()
{
    QTest::addColumn<SweepSide>("side");
    QTest::newRow("input") << SweepSide::Input;
    QTest::newRow("output") << SweepSide::Output;
}

void TestSweep::decimalComma()
{
    QFETCH(SweepSide, side);
    std::vector<SweepPoint> points[2];
    PointBuffer buffers[2];
    DesignState states[2];
    for (int k = 0; k < 2; ++k) {
        FakeForm f(k == 0 ? '.' : ',');
        states[k] = designFixture();
        proposeSweepBands(states[k], f);
        runSweep(side, states[k], f, buffers[k]);            // the proposed band
        points[k] = runSweep(side, states[k], f, buffers[k]); // the band the fields show
    }
    QVERIFY(sameState(states[0], states[1]));
    for (int row = 0; row < PointBuffer::Rows; ++row)
        QCOMPARE(rowTexts(buffers[1], row), rowTexts(buffers[0], row).replaceInStrings(".", ","));
    for (int i = 0; i < PointBuffer::Columns; ++i) {
        QCOMPARE(points[1][i].mhz, points[0][i].mhz);
        QCOMPARE(points[1][i].swr, points[0][i].swr);
    }
}

void TestSweep::evaluation_data()
{
    QTest::addColumn<SweepSide>("side");
    QTest::addColumn<double>("rl");
    QTest::addColumn<double>("xc2");
    QTest::addColumn<double>("xl");
    QTest::addColumn<double>("xc1");
    QTest::addColumn<double>("r0");
    QTest::addColumn<QList<double>>("results"); // R2, X2, R, X, Gamma, SWR

    const QList<double> first{25, -25, 100, -50, 0.2425, 1.6404};
    const QList<double> second{38.4615, -192.308, 264.706, 141.176, 0.7673, 7.5939};
    QTest::newRow("input, capacitive port") << SweepSide::Input << 50.0 << 50.0 << 75.0 << 50.0 << 100.0 << first;
    QTest::newRow("output, capacitive port") << SweepSide::Output << 50.0 << 50.0 << 75.0 << 50.0 << 100.0 << first;
    QTest::newRow("input, inductive port") << SweepSide::Input << 1000.0 << 200.0 << 300.0 << 150.0 << 2000.0
                                           << second;
    QTest::newRow("output, inductive port") << SweepSide::Output << 1000.0 << 200.0 << 300.0 << 150.0 << 2000.0
                                            << second;
    // A whole-ohm load whose square no longer fits 32 bits, matched to a 2000 Ohm plate.
    QTest::newRow("output, 50 kOhm load") << SweepSide::Output << 50000.0 << 3846.1538 << 4531.8584 << 830.45477
                                          << 2000.0 << QList<double>{294.1176, -3823.529, 2000.0, 0.0, 0.0, 1.0};
}

void TestSweep::evaluation()
{
    QFETCH(SweepSide, side);
    QFETCH(double, rl);
    QFETCH(double, xc2);
    QFETCH(double, xl);
    QFETCH(double, xc1);
    QFETCH(double, r0);
    QFETCH(QList<double>, results);

    FakeForm f;
    DesignState s;
    if (side == SweepSide::Input) {
        s.Rin = static_cast<float>(rl);
        s.XCi2 = static_cast<float>(xc2);
        s.XLi = static_cast<float>(xl);
        s.XCi1 = static_cast<float>(xc1);
        s.Rex = static_cast<int>(r0);
    } else {
        s.Ra = static_cast<int>(rl);
        s.XCo2 = static_cast<float>(xc2);
        s.XLo = static_cast<float>(xl);
        s.XCo1 = static_cast<float>(xc1);
        s.Re = static_cast<float>(r0);
    }
    evaluateSide(side, s, f);
    const bool input = side == SweepSide::Input;
    const float out[6] = {input ? s.InR2 : s.OutR2, input ? s.InX2 : s.OutX2, input ? s.InR : s.OutR,
                          input ? s.InX : s.OutX, input ? s.InGamma : s.OutGamma, input ? s.InSwr : s.OutSwr};
    for (int k = 0; k < 6; ++k)
        QVERIFY2(near(out[k], results[k], 5e-4), qPrintable(QStringLiteral("result %1: %2, expected %3")
                                                                .arg(k)
                                                                .arg(double(out[k]))
                                                                .arg(results[k])));
    QVERIFY(f.mathErrors.empty());
}

void TestSweep::evaluationFaultKeepsEarlierResults()
{
    // No load resistance: the port sees a pure reactance, Gamma is 1 and the SWR divides by zero.
    FakeForm f;
    DesignState s;
    s.Rin = 0;
    s.XCi2 = 50;
    s.XLi = 75;
    s.XCi1 = 50;
    s.Rex = 50;
    s.InSwr = 9;
    try {
        evaluateSide(SweepSide::Input, s, f);
        QFAIL("no error raised");
    } catch (const AppError& e) {
        QCOMPARE(QString::fromStdString(e.text()), QStringLiteral("Floating point division by zero"));
    }
    QCOMPARE(s.InR, 0.0F);
    QCOMPARE(s.InX, -150.0F); // 50 || j75 seen across -j50
    QCOMPARE(s.InGamma, 1.0F);
    QCOMPARE(s.InSwr, 9.0F);
}

void TestSweep::sweepAfterDesignPass_data()
{
    QTest::addColumn<SweepSide>("side");
    QTest::addColumn<QString>("method");
    for (const char* m : {"ARRLButton", "UA3DAButton", "IMPButton", "W5FDButton", "ZorvexButton"}) {
        QTest::newRow(qPrintable(QStringLiteral("input %1").arg(m))) << SweepSide::Input << QString(m);
        QTest::newRow(qPrintable(QStringLiteral("output %1").arg(m))) << SweepSide::Output << QString(m);
    }
}

// From the start-up entries through a whole pass: the proposal stores the band, and
// each plotted point is the design's own evaluation at the frequency as shown.
void TestSweep::sweepAfterDesignPass()
{
    QFETCH(SweepSide, side);
    QFETCH(QString, method);
    FakeForm f;
    f.texts["RinSpinEdit"] = "60";
    f.checked["RinCheckBox"] = false;
    f.chooseMethod(side == SweepSide::Input ? "In" : "Ou", method.toStdString());
    DesignState s;
    QVERIFY(runDesignPass(s, f));
    proposeSweepBands(s, f);
    const DesignState designed = s;

    PointBuffer b;
    const std::vector<SweepPoint> points = runSweep(side, s, f, b);
    QCOMPARE(points.size(), std::size_t(PointBuffer::Columns));
    for (const SweepPoint& p : points) {
        const float mhz = static_cast<float>(p.mhz);
        const Ext w = Ext(2.0) * kPiL * mhz;
        PiResult r{};
        if (side == SweepSide::Input) {
            r = evaluatePiNetwork(designed.Rin, toFloat(Ext(1e6) / (w * (Ext(designed.Ci2) + designed.Ci))),
                                  toFloat(Ext(designed.Li) * w), toFloat(Ext(1e6) / (w * designed.Ci1)),
                                  designed.Rex, f);
        } else {
            r = evaluatePiNetwork(designed.Ra, toFloat(Ext(1e6) / (w * designed.Co2)), toFloat(Ext(designed.Lo) * w),
                                  toFloat(Ext(1e6) / (w * (Ext(designed.Co1) + designed.Ct))), designed.Re, f);
        }
        QVERIFY2(near(p.swr, double(r.Swr), 1e-4),
                 qPrintable(QStringLiteral("%1 MHz: swept %2, evaluated %3").arg(p.mhz).arg(p.swr).arg(double(r.Swr))));
    }
    // The point at the design frequency is the match shown after the pass.
    const float designSwr = side == SweepSide::Input ? designed.InSwr : designed.OutSwr;
    const auto at = std::find_if(points.begin(), points.end(), [](const SweepPoint& p) { return p.mhz == 14.05; });
    QVERIFY(at != points.end());
    QVERIFY(near(at->swr, double(designSwr), 2e-4));
}

QTEST_GUILESS_MAIN(TestSweep)
#include "tst_sweep.moc"
