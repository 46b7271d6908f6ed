// Number texts, independent of the C library's locale state.
//
// The user's decimal separator is passed in; nothing here reads or changes the
// process locale. Fixed-point texts follow the display rule of the program: the
// value's decimal expansion is first taken to 18 significant digits, then rounded
// half away from zero at the last decimal shown (341.25 -> "341.3"). The general
// text is the value rounded to 15 significant digits without trailing zeros
// ("1260", "3.19999990463257"); very large or small values use the short
// exponent form ("1E20", "1.5E-7"). Non-finite values read "NAN", "INF", "-INF".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace anodyne {

std::string fixedText(long double value, int decimals, char separator);
std::string generalText(long double value, char separator);
std::string integerText(std::int64_t value);

// A number as typed: blanks, an optional sign, digits with at most one separator,
// an optional exponent, blanks. Empty text, hex, "inf", "nan" and thousands
// separators are not numbers. Values beyond the long double range are refused.
std::optional<long double> tryParseNumber(std::string_view text, char separator);

// As tryParseNumber, but raises "'<text>' is not a valid floating point value".
long double parseNumber(std::string_view text, char separator);

// A whole number as typed into an integer field: blanks, an optional sign, digits, blanks.
std::optional<std::int64_t> tryParseInteger(std::string_view text);

} // namespace anodyne
