#include "numtext.h"

#include "apperror.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace anodyne {
namespace {

__extension__ typedef unsigned __int128 UInt128;

// A decimal approximation 0.d1d2...dn x 10^point of a non-zero magnitude.
struct Decimal {
    std::string digits;
    int point = 0;
};

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

// |v| rounded to `precision` significant digits, half away from zero.
Decimal significant(long double v, int precision)
{
    // to_chars rounds exactly, but ties to even; a tie can only occur when the
    // exact expansion has precision + 1 digits, and then we round it ourselves.
    const bool tie = exactSignificantDigits(v) == precision + 1;
    char buf[128];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific,
                                   tie ? precision : precision - 1);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t ePos = text.find('e');
    Decimal d;
    for (char c : text.substr(0, ePos))
        if (c != '.')
            d.digits.push_back(c);
    int exponent = 0;
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    d.point = exponent + 1;
    if (tie) {
        const bool up = d.digits.back() >= '5';
        d.digits.pop_back();
        if (up) {
            int i = static_cast<int>(d.digits.size()) - 1;
            for (; i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9'; --i)
                d.digits[static_cast<std::size_t>(i)] = '0';
            if (i >= 0) {
                ++d.digits[static_cast<std::size_t>(i)];
            } else {
                d.digits.insert(d.digits.begin(), '1');
                d.digits.pop_back();
                ++d.point;
            }
        }
    }
    return d;
}

// Rounds d half away from zero so that it keeps `decimals` digits after the point.
void roundAtDecimals(Decimal& d, int decimals)
{
    const int keep = d.point + decimals;
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (!up)
        return;
    int i = keep - 1;
    for (; i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9'; --i)
        d.digits[static_cast<std::size_t>(i)] = '0';
    if (i >= 0) {
        ++d.digits[static_cast<std::size_t>(i)];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.point;
    }
}

bool allZero(const std::string& digits)
{
    return digits.find_first_not_of('0') == std::string::npos;
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
    if (index < 0 || index >= static_cast<int>(d.digits.size()))
        return '0';
    return d.digits[static_cast<std::size_t>(index)];
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
    if (value < 0 && !allZero(d.digits))
        out.push_back('-');
    if (d.point <= 0 || d.digits.empty()) {
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
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    std::string out = value < 0 ? "-" : "";
    if (d.point > 15 || d.point < -4) {
        out.push_back(d.digits[0]);
        if (d.digits.size() > 1) {
            out.push_back(separator);
            out.append(d.digits, 1);
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
    const int fraction = static_cast<int>(d.digits.size()) - d.point;
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
