// How a numeric entry field holds its value: it keeps no number apart from its
// text, reads the text afresh each time and formats what is set into it.
// The window's spin field and the tests' fake form both use these rules.
#pragma once

#include <string>
#include <string_view>

namespace anodyne {

struct NumericFieldSpec {
    const char* name;
    bool integer;
    int decimals;
    double step;
    double minimum;
    double maximum;
    double start;
};

// The value shown: the number in the text, or the minimum (an integer field's
// minimum truncated) when the text is not such a number. The range is not applied.
long double readFieldValue(const NumericFieldSpec& settings, std::string_view text, char separator);

// The text a field shows after its value is set: limited to the range (unless
// minimum and maximum are equal), then fixed-point with the field's decimals, or
// for an integer field rounded to the nearest whole number, halves to even.
// A NaN cannot be compared with the range and is an invalid operation.
std::string fieldValueText(const NumericFieldSpec& settings, long double value, char separator);

// Every numeric entry field of the main window with its settings.
const NumericFieldSpec* findNumericField(std::string_view name);

} // namespace anodyne
