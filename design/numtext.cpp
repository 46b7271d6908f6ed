#include "numtext.h"

#include "apperror.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace anodyne {
namespace {

__extension__ typedef unsigned __int128 UInt128;

// A decimal approximation 0.d1d2...dn x 10^point of a non-zero magnitude. Kept in
// a small fixed buffer: formatting runs for every label of every pass and sweep.
struct Decimal {
    char digits[48] = {};
    int count = 0;
    int point = 0;
};

// Adds one unit at the last kept digit, carrying into a new leading digit if needed.
void incrementLast(Decimal& d)
{
    int i = d.count - 1;
    for (; i >= 0 && d.digits[i] == '9'; --i)
        d.digits[i] = '0';
    if (i >= 0) {
        ++d.digits[i];
        return;
    }
    // All nines became zeros: the value is now 10^point, one digit "1" will do.
    d.digits[0] = '1';
    for (int j = 1; j < d.count; ++j)
        d.digits[j] = '0';
    ++d.point;
}

// Number of significant digits in the exact decimal expansion of |v| (v finite,
// non-zero), or 99 when it is certainly more than 40. A value M x 2^-k with M odd
// has the same digits as the integer M x 5^k.
int exactSignificantDigits(long double v)
{
    int e = 0;
    const long double f = std::frexp(std::fabs(v), &e);
    auto m = static_cast<std::uint64_t>(std::ldexp(f, 64));
    int q = e - 64;
    while ((m & 1U) == 0U) {
        m >>= 1U;
        ++q;
    }
    UInt128 n = m;
    if (q >= 0) {
        if (q > 63)
            return 99;
        n <<= q;
        while (n % 10U == 0U)
            n /= 10U;
    } else {
        if (-q >= 28) // then M x 5^k exceeds 10^19 and ends in an odd digit
            return 99;
        for (int i = 0; i < -q; ++i)
            n *= 5U;
    }
    int count = 0;
    for (; n != 0U; n /= 10U)
        ++count;
    return count;
}

constexpr std::array<UInt128, 39> kPow10 = [] {
    std::array<UInt128, 39> t{};
    t[0] = 1;
    for (std::size_t i = 1; i < t.size(); ++i)
        t[i] = t[i - 1] * 10U;
    return t;
}();

constexpr UInt128 pow10u(int n) { return kPow10[static_cast<std::size_t>(n)]; }

// The common case in exact integer arithmetic: a value that is an exact double
// (every float is) between 1e-4 and 1e15. Its mantissa times a power of ten fits in
// 128 bits, so the digits and the remainder that decides the rounding are exact.
bool significantFast(long double mag, int precision, Decimal& d)
{
    const auto dv = static_cast<double>(mag);
    if (static_cast<long double>(dv) != mag || !(dv >= 1e-4 && dv < 1e15) || precision > 19)
        return false;
    int e = 0;
    const double f = std::frexp(dv, &e);
    const auto m = static_cast<std::uint64_t>(std::ldexp(f, 53));
    const int k = 53 - e; // mag = m / 2^k, k > 0 in this range
    // floor(log10(mag)) estimated from the binary exponent (log10(2) ~ 0.30103).
    int exp10 = ((e - 1) * 78913) >> 18;
    // The estimate of exp10 may be one off next to a power of ten: settle it exactly.
    UInt128 n = 0;
    UInt128 whole = 0;
    for (int attempt = 0;; ++attempt) {
        n = static_cast<UInt128>(m) * pow10u(precision - 1 - exp10); // mag x 10^scale, times 2^k
        whole = n >> k;
        if (whole >= pow10u(precision))
            ++exp10;
        else if (whole < pow10u(precision - 1))
            --exp10;
        else
            break;
        const int scale = precision - 1 - exp10;
        if (attempt == 2 || scale < 0 || scale > 22)
            return false;
    }
    const UInt128 rem = n & ((static_cast<UInt128>(1) << k) - 1U);
    if (rem >= (static_cast<UInt128>(1) << (k - 1))) // ties away from zero
        ++whole;
    d.point = exp10 + 1;
    if (whole == pow10u(precision)) {
        whole = pow10u(precision - 1);
        ++d.point;
    }
    d.count = precision;
    auto w = static_cast<std::uint64_t>(whole); // below 10^19: 64-bit division is cheap
    for (int i = precision - 1; i >= 0; --i) {
        d.digits[i] = static_cast<char>('0' + static_cast<int>(w % 10U));
        w /= 10U;
    }
    return true;
}

// |v| rounded to `precision` significant digits, half away from zero.
Decimal significant(long double v, int precision)
{
    Decimal d;
    const long double mag = std::fabs(v);
    if (significantFast(mag, precision, d))
        return d;
    // to_chars rounds exactly, but ties to even; a tie can only occur when the
    // exact expansion has precision + 1 digits, and then we round it ourselves.
    const bool tie = exactSignificantDigits(v) == precision + 1;
    char buf[128];
    const auto res = std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::scientific,
                                   tie ? precision : precision - 1);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t ePos = text.find('e');
    for (char c : text.substr(0, ePos))
        if (c != '.')
            d.digits[d.count++] = c;
    int exponent = 0;
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    d.point = exponent + 1;
    if (tie) {
        const bool up = d.digits[d.count - 1] >= '5';
        --d.count;
        if (up)
            incrementLast(d);
    }
    return d;
}

// Rounds d half away from zero so that it keeps `decimals` digits after the point.
void roundAtDecimals(Decimal& d, int decimals)
{
    const int keep = d.point + decimals;
    if (keep >= d.count)
        return;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (!up)
        return;
    if (keep == 0) { // everything was beyond the last decimal: one unit of it
        d.digits[0] = '1';
        d.count = 1;
        ++d.point;
        return;
    }
    incrementLast(d);
}

bool allZero(const Decimal& d)
{
    for (int i = 0; i < d.count; ++i)
        if (d.digits[i] != '0')
            return false;
    return true;
}

std::string nonFinite(long double v)
{
    if (std::isnan(v))
        return "NAN";
    return v < 0 ? "-INF" : "INF";
}

// Digit i of d counted from the decimal point (0 = first digit after it, -1 = units).
char digitAt(const Decimal& d, int placeAfterPoint)
{
    const int index = d.point + placeAfterPoint;
    if (index < 0 || index >= d.count)
        return '0';
    return d.digits[index];
}

bool isBlank(char c) { return c == ' '; }

std::string_view trimmed(std::string_view t)
{
    while (!t.empty() && isBlank(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && isBlank(t.back()))
        t.remove_suffix(1);
    return t;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Exact decimal to long double in one rounding when both the digits (as an integer
// below 2^64) and the power of ten are exact long doubles: the usual case of a few
// typed digits. `normal` is the checked text with '.' and 'e'.
bool parseFast(const std::string& intPart, const std::string& fracPart, const std::string& normal, long double& out)
{
    if (intPart.size() + fracPart.size() > 19)
        return false;
    std::uint64_t digits = 0;
    for (char c : intPart)
        digits = digits * 10U + static_cast<std::uint64_t>(c - '0');
    for (char c : fracPart)
        digits = digits * 10U + static_cast<std::uint64_t>(c - '0');
    int exp10 = -static_cast<int>(fracPart.size());
    const std::size_t ePos = normal.find('e');
    if (ePos != std::string::npos) {
        int e = 0;
        const auto r = std::from_chars(normal.data() + ePos + 1, normal.data() + normal.size(), e);
        if (r.ec != std::errc())
            return false;
        exp10 += e;
    }
    if (exp10 < -27 || exp10 > 27) // 10^27 is the largest power of ten a long double holds exactly
        return false;
    long double p = 1.0L;
    for (int i = 0; i < (exp10 < 0 ? -exp10 : exp10); ++i)
        p *= 10.0L;
    const auto m = static_cast<long double>(digits);
    out = exp10 < 0 ? m / p : m * p;
    if (normal.front() == '-')
        out = -out;
    return true;
}

} // namespace

std::string fixedText(long double value, int decimals, char separator)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    Decimal d;
    if (value != 0.0L) {
        d = significant(value, 18);
        roundAtDecimals(d, decimals);
    }
    std::string out;
    if (value < 0 && !allZero(d))
        out.push_back('-');
    if (d.point <= 0 || d.count == 0) {
        out.push_back('0');
    } else {
        for (int i = -d.point; i < 0; ++i)
            out.push_back(digitAt(d, i));
    }
    if (decimals > 0) {
        out.push_back(separator);
        for (int i = 0; i < decimals; ++i)
            out.push_back(digitAt(d, i));
    }
    return out;
}

std::string generalText(long double value, char separator)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    if (value == 0.0L)
        return "0";
    Decimal d = significant(value, 15);
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    std::string out = value < 0 ? "-" : "";
    if (d.point > 15 || d.point < -4) {
        out.push_back(d.digits[0]);
        if (d.count > 1) {
            out.push_back(separator);
            out.append(d.digits + 1, static_cast<std::size_t>(d.count - 1));
        }
        out.push_back('E');
        out += integerText(d.point - 1);
        return out;
    }
    if (d.point <= 0) {
        out.push_back('0');
    } else {
        for (int i = -d.point; i < 0; ++i)
            out.push_back(digitAt(d, i));
    }
    const int fraction = d.count - d.point;
    if (fraction > 0) {
        out.push_back(separator);
        for (int i = 0; i < fraction; ++i)
            out.push_back(digitAt(d, i));
    }
    return out;
}

std::string integerText(std::int64_t value)
{
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::optional<long double> tryParseNumber(std::string_view text, char separator)
{
    std::string_view t = trimmed(text);
    std::string normal;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-')
            normal.push_back('-');
        ++i;
    }
    std::size_t mantissaDigits = 0;
    std::string intPart;
    std::string fracPart;
    while (i < t.size() && isDigit(t[i])) {
        intPart.push_back(t[i++]);
        ++mantissaDigits;
    }
    if (i < t.size() && t[i] == separator) {
        ++i;
        while (i < t.size() && isDigit(t[i])) {
            fracPart.push_back(t[i++]);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    normal += intPart.empty() ? "0" : intPart;
    if (!fracPart.empty())
        normal += "." + fracPart;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        normal.push_back('e');
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            if (t[i] == '-')
                normal.push_back('-');
            ++i;
        }
        std::size_t expDigits = 0;
        while (i < t.size() && isDigit(t[i])) {
            normal.push_back(t[i++]);
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    long double v = 0;
    if (parseFast(intPart, fracPart, normal, v))
        return v;
    const auto res = std::from_chars(normal.data(), normal.data() + normal.size(), v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != normal.data() + normal.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

long double parseNumber(std::string_view text, char separator)
{
    const auto v = tryParseNumber(text, separator);
    if (!v)
        raiseNotAFloat(std::string(text));
    return *v;
}

std::optional<std::int64_t> tryParseInteger(std::string_view text)
{
    std::string_view t = trimmed(text);
    const bool plus = !t.empty() && t.front() == '+';
    if (plus)
        t.remove_prefix(1);
    if (t.empty() || t.front() == '+' || (plus && t.front() == '-'))
        return std::nullopt;
    std::int64_t v = 0;
    const auto res = std::from_chars(t.data(), t.data() + t.size(), v);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size())
        return std::nullopt;
    return v;
}

} // namespace anodyne
