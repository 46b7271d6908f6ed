// Number texts and parsing: the rules every label and field relies on.
#include "design/numericfield.h"
#include "design/numtext.h"
#include "design/apperror.h"

#include <QtTest>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

using namespace anodyne;

Q_DECLARE_METATYPE(long double)

class TestNumText : public QObject {
    Q_OBJECT
private slots:
    void fixed_data();
    void fixed();
    void textsAgreeWithExactExpansion();
    void general_data();
    void general();
    void parse_data();
    void parse();
    void parseErrorText();
    void integerParse_data();
    void integerParse();
    void fieldValue_data();
    void fieldValue();
    void fieldValueNaN();
};

void TestNumText::fixed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("sep");
    QTest::addColumn<QString>("expected");
    QTest::newRow("tie 341.25 away from zero") << 341.25 << 1 << "." << "341.3";
    QTest::newRow("tie 183.75 away from zero") << 183.75 << 1 << "." << "183.8";
    QTest::newRow("negative tie") << -0.125 << 2 << "." << "-0.13";
    QTest::newRow("float 0.65 two decimals") << double(0.65F) << 2 << "." << "0.65";
    QTest::newRow("float 0.65 one decimal") << double(0.65F) << 1 << "." << "0.6";
    QTest::newRow("decimal comma") << 525.0 << 1 << "," << "525,0";
    QTest::newRow("zero") << 0.0 << 3 << "." << "0.000";
    QTest::newRow("rounds to zero loses sign") << -0.04 << 1 << "." << "0.0";
    QTest::newRow("carry into new digit") << 9.96 << 1 << "." << "10.0";
    QTest::newRow("small") << 0.000123 << 4 << "." << "0.0001";
    QTest::newRow("four decimals") << 1.64044 << 4 << "," << "1,6404";
    QTest::newRow("large") << 123456789.0 << 2 << "." << "123456789.00";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 1 << "." << "NAN";
    QTest::newRow("minus inf") << -std::numeric_limits<double>::infinity() << 1 << "." << "-INF";
}

void TestNumText::fixed()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, sep);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(fixedText(value, decimals, sep.at(0).toLatin1())), expected);
}

namespace {

// Independent oracle: the exact decimal expansion (to_chars with 80 decimals is
// exact for these magnitudes), rounded half up as digit strings.
struct Digits {
    std::string d; // significant digits
    int point;     // digits before the decimal point
};

void roundDigits(Digits& x, int keep)
{
    if (keep < 0) {
        x.d.clear();
        return;
    }
    if (static_cast<int>(x.d.size()) <= keep)
        return;
    const bool up = x.d[static_cast<std::size_t>(keep)] >= '5';
    x.d.resize(static_cast<std::size_t>(keep));
    if (!up)
        return;
    int i = keep - 1;
    while (i >= 0 && x.d[static_cast<std::size_t>(i)] == '9')
        x.d[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0)
        ++x.d[static_cast<std::size_t>(i)];
    else {
        x.d.insert(x.d.begin(), '1');
        ++x.point;
    }
}

Digits exactDigits(long double v)
{
    char buf[256];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::fixed, 80);
    std::string text(buf, r.ptr);
    const auto dot = text.find('.');
    Digits x{text.substr(0, dot) + text.substr(dot + 1), static_cast<int>(dot)};
    while (!x.d.empty() && x.d.front() == '0') {
        x.d.erase(x.d.begin());
        --x.point;
    }
    return x;
}

// 15 significant digits, no trailing zeros; for magnitudes from 1e-4 to below 1e15.
std::string oracleGeneral(long double v)
{
    Digits x = exactDigits(v);
    if (x.d.find_first_not_of('0') == std::string::npos)
        return "0";
    roundDigits(x, 15);
    while (!x.d.empty() && x.d.back() == '0')
        x.d.pop_back();
    std::string out = v < 0 ? "-" : "";
    if (x.point <= 0)
        out += "0";
    for (int i = 0; i < x.point; ++i)
        out.push_back(i < static_cast<int>(x.d.size()) ? x.d[static_cast<std::size_t>(i)] : '0');
    if (static_cast<int>(x.d.size()) > x.point) {
        out.push_back('.');
        for (int i = x.point; i < static_cast<int>(x.d.size()); ++i)
            out.push_back(i >= 0 ? x.d[static_cast<std::size_t>(i)] : '0');
    }
    return out;
}

std::string oracleFixed(long double v, int decimals)
{
    Digits x = exactDigits(v);
    roundDigits(x, 18);
    roundDigits(x, x.point + decimals);
    std::string out;
    for (int i = 0; i < x.point; ++i)
        out.push_back(i < static_cast<int>(x.d.size()) ? x.d[static_cast<std::size_t>(i)] : '0');
    if (out.empty())
        out = "0";
    out.push_back('.');
    for (int i = 0; i < decimals; ++i) {
        const int idx = x.point + i;
        out.push_back(idx >= 0 && idx < static_cast<int>(x.d.size()) ? x.d[static_cast<std::size_t>(idx)] : '0');
    }
    if (v < 0 && out.find_first_not_of("0.") != std::string::npos)
        out.insert(out.begin(), '-');
    return out;
}

} // namespace

// Floats of every magnitude the program shows, ties included (values with few
// fractional bits), against the exact expansion: fixed and general texts.
void TestNumText::textsAgreeWithExactExpansion()
{
    std::mt19937 rng(20261211);
    std::uniform_real_distribution<double> exponent(-3.9, 14.9);
    std::uniform_int_distribution<int> decimals(1, 4);
    for (int i = 0; i < 200000; ++i) {
        float f = static_cast<float>(std::pow(10.0, exponent(rng)));
        if (i % 4 == 1) // a value with few fractional bits: exact decimal ties
            f = static_cast<float>(std::ldexp(std::round(std::ldexp(double(f), 6)), -6));
        if (i % 2 == 1)
            f = -f;
        const int n = decimals(rng);
        QCOMPARE(QString::fromStdString(generalText(f, '.')), QString::fromStdString(oracleGeneral(f)));
        const std::string got = fixedText(f, n, '.');
        const std::string want = oracleFixed(f, n);
        if (got != want)
            QFAIL(qPrintable(QStringLiteral("%1 with %2 decimals: %3, expected %4")
                                 .arg(double(f), 0, 'g', 17).arg(n).arg(QString::fromStdString(got),
                                                                         QString::fromStdString(want))));
    }
    // Extended sums (the Q-step message adds a double to a float) take the slow path.
    for (int i = 0; i < 2000; ++i) {
        const long double v = static_cast<long double>(static_cast<float>(i) * 0.1F) + 0.1;
        QCOMPARE(QString::fromStdString(fixedText(v, 3, '.')), QString::fromStdString(oracleFixed(v, 3)));
    }
}

void TestNumText::general_data()
{
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("sep");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 1260.0L << "." << "1260";
    QTest::newRow("fraction") << 14.05L << "." << "14.05";
    QTest::newRow("float 14.05 shows its digits") << static_cast<long double>(14.05F) << "." << "14.0500001907349";
    QTest::newRow("3 + 0.1") << 3.0L + 0.1 << "." << "3.1";
    QTest::newRow("3.1f + 0.1 just below 3.2") << static_cast<long double>(3.1F) + 0.1 << "." << "3.19999990463257";
    QTest::newRow("3.25 + 0.1") << static_cast<long double>(3.25F) + 0.1 << "." << "3.35";
    QTest::newRow("4.5 + 0.5") << 5.0L << "." << "5";
    QTest::newRow("decimal comma") << 0.5L << "," << "0,5";
    QTest::newRow("negative") << -2.75L << "." << "-2.75";
    QTest::newRow("zero") << 0.0L << "." << "0";
    QTest::newRow("exponent large") << 1e20L << "." << "1E20";
    QTest::newRow("exponent small") << 1.5e-7L << "," << "1,5E-7";
    QTest::newRow("smallest fixed") << 0.00001L << "." << "0.00001";
    QTest::newRow("fifteen digits whole") << 123456789012345.0L << "." << "123456789012345";
}

void TestNumText::general()
{
    QFETCH(long double, value);
    QFETCH(QString, sep);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(generalText(value, sep.at(0).toLatin1())), expected);
}

void TestNumText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sep");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");
    QTest::newRow("integer") << "50" << "." << true << 50.0;
    QTest::newRow("blanks around") << "  50.9  " << "." << true << 50.9;
    QTest::newRow("signs") << "-2.7" << "." << true << -2.7;
    QTest::newRow("plus") << "+3" << "." << true << 3.0;
    QTest::newRow("exponent") << "1.5e3" << "." << true << 1500.0;
    QTest::newRow("exponent sign") << "25E-1" << "." << true << 2.5;
    QTest::newRow("leading separator") << ".5" << "." << true << 0.5;
    QTest::newRow("trailing separator") << "5." << "." << true << 5.0;
    QTest::newRow("decimal comma") << "1,5" << "," << true << 1.5;
    QTest::newRow("comma under dot") << "1,5" << "." << false << 0.0;
    QTest::newRow("dot under comma") << "1.5" << "," << false << 0.0;
    QTest::newRow("empty") << "" << "." << false << 0.0;
    QTest::newRow("blank") << "   " << "." << false << 0.0;
    QTest::newRow("lone sign") << "-" << "." << false << 0.0;
    QTest::newRow("lone separator") << "." << "." << false << 0.0;
    QTest::newRow("hex") << "0x1A" << "." << false << 0.0;
    QTest::newRow("inf") << "inf" << "." << false << 0.0;
    QTest::newRow("nan") << "nan" << "." << false << 0.0;
    QTest::newRow("thousands") << "1,000.5" << "." << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << "." << false << 0.0;
    QTest::newRow("two signs") << "+-1" << "." << false << 0.0;
    QTest::newRow("inner blank") << "1 0" << "." << false << 0.0;
    QTest::newRow("out of range") << "1e99999" << "." << false << 0.0;
    QTest::newRow("tab is not a blank") << "\t5" << "." << false << 0.0;
}

void TestNumText::parse()
{
    QFETCH(QString, text);
    QFETCH(QString, sep);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const auto v = tryParseNumber(text.toStdString(), sep.at(0).toLatin1());
    QCOMPARE(v.has_value(), valid);
    if (valid)
        QCOMPARE(static_cast<double>(*v), expected);
}

void TestNumText::parseErrorText()
{
    try {
        parseNumber("12a", '.');
        QFAIL("no error raised");
    } catch (const AppError& e) {
        QCOMPARE(QString::fromStdString(e.text()), QStringLiteral("'12a' is not a valid floating point value"));
    }
}

void TestNumText::integerParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("plain") << "1050" << true << qint64(1050);
    QTest::newRow("signed blanks") << " -12 " << true << qint64(-12);
    QTest::newRow("plus") << "+7" << true << qint64(7);
    QTest::newRow("fraction") << "1.5" << false << qint64(0);
    QTest::newRow("lone minus") << "-" << false << qint64(0);
    QTest::newRow("two signs") << "+-3" << false << qint64(0);
    QTest::newRow("too long") << "99999999999999999999" << false << qint64(0);
}

void TestNumText::integerParse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, expected);
    const auto v = tryParseInteger(text.toStdString());
    QCOMPARE(v.has_value(), valid);
    if (valid)
        QCOMPARE(qint64(*v), expected);
}

void TestNumText::fieldValue_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("integer half to even down") << "TqSpinEdit" << 2.5 << "2";
    QTest::newRow("integer half to even up") << "TqSpinEdit" << 3.5 << "4";
    QTest::newRow("clamped high") << "UaSpinEdit" << 20000.0 << "10000";
    QTest::newRow("clamped low") << "RinSpinEdit" << 0.0 << "1";
    QTest::newRow("decimals") << "IaSpinEdit" << 0.5 << "0.500";
    QTest::newRow("decimal rounding") << "QilSpinEdit" << 3.3167 << "3.3";
    QTest::newRow("frequency") << "FrSpinEdit" << 432.2 << "432.200";
}

void TestNumText::fieldValue()
{
    QFETCH(QString, field);
    QFETCH(double, value);
    QFETCH(QString, expected);
    const NumericFieldSpec* settings = findNumericField(field.toStdString());
    QVERIFY(settings != nullptr);
    QCOMPARE(QString::fromStdString(fieldValueText(*settings, value, '.')), expected);
}

void TestNumText::fieldValueNaN()
{
    const NumericFieldSpec* settings = findNumericField("QilSpinEdit");
    QVERIFY_THROWS_EXCEPTION(AppError, fieldValueText(*settings, std::nanl(""), '.'));
    // Text that is not a number reads as the minimum; an integer field's minimum truncated.
    QCOMPARE(double(readFieldValue(*settings, "abc", '.')), 1.0);
    QCOMPARE(double(readFieldValue(*findNumericField("TqSpinEdit"), "0.5", '.')), 1.0);
    QCOMPARE(double(readFieldValue(*findNumericField("UaSpinEdit"), "20000", '.')), 20000.0);
}

QTEST_GUILESS_MAIN(TestNumText)
#include "tst_numtext.moc"
