#include "numericfield.h"

#include "apperror.h"
#include "numtext.h"

#include <array>
#include <cmath>

namespace anodyne {
namespace {

constexpr std::array kFields{
    // name, integer, decimals, step, min, max, start
    NumericFieldSpec{"UaSpinEdit", true, 0, 5, 50, 10000, 1050},
    NumericFieldSpec{"IaSpinEdit", false, 3, 0.005, 0.01, 20, 0.5},
    NumericFieldSpec{"SSpinEdit", false, 1, 0.1, 0.1, 500, 2.5},
    NumericFieldSpec{"CinSpinEdit", false, 1, 0.1, 0.1, 1000, 10},
    NumericFieldSpec{"CipSpinEdit", true, 0, 1, 1, 3000, 5},
    NumericFieldSpec{"CotSpinEdit", false, 1, 0.1, 0.1, 1000, 10},
    NumericFieldSpec{"CopSpinEdit", true, 0, 1, 1, 3000, 30},
    NumericFieldSpec{"EffSpinEdit", false, 2, 0.01, 0.33, 0.99, 0.65},
    NumericFieldSpec{"FrSpinEdit", false, 3, 0.005, 0.005, 1300, 14.05},
    NumericFieldSpec{"TqSpinEdit", true, 0, 1, 1, 12, 1},
    NumericFieldSpec{"RinSpinEdit", true, 0, 1, 1, 3000, 1},
    NumericFieldSpec{"QioSpinEdit", true, 0, 10, 10, 10000, 80},
    NumericFieldSpec{"QilSpinEdit", false, 1, 0.1, 1, 200, 3},
    NumericFieldSpec{"QooSpinEdit", true, 0, 10, 10, 10000, 200},
    NumericFieldSpec{"QolSpinEdit", false, 1, 0.1, 1, 10000, 13},
    NumericFieldSpec{"ILFSpinEdit", false, 3, 0.01, 0.125, 1350, 14.05},
    NumericFieldSpec{"IHFSpinEdit", false, 3, 0.01, 0.125, 1350, 14.05},
    NumericFieldSpec{"OLFSpinEdit", false, 3, 0.01, 0.125, 1350, 14.05},
    NumericFieldSpec{"OHFSpinEdit", false, 3, 0.01, 0.125, 1350, 14.05},
};

} // namespace

long double readFieldValue(const NumericFieldSpec& settings, std::string_view text, char separator)
{
    if (settings.integer) {
        if (const auto v = tryParseInteger(text))
            return static_cast<long double>(*v);
        return std::trunc(static_cast<long double>(settings.minimum));
    }
    if (const auto v = tryParseNumber(text, separator))
        return *v;
    return static_cast<long double>(settings.minimum);
}

std::string fieldValueText(const NumericFieldSpec& settings, long double value, char separator)
{
    if (std::isnan(value))
        raise(errtext::InvalidOperation);
    if (settings.minimum != settings.maximum) {
        if (value < settings.minimum)
            value = settings.minimum;
        else if (value > settings.maximum)
            value = settings.maximum;
    }
    if (settings.integer) {
        if (!std::isfinite(value) || std::fabs(value) > 9.0e18L)
            raise(errtext::Overflow);
        return integerText(static_cast<std::int64_t>(std::nearbyint(value)));
    }
    return fixedText(value, settings.decimals, separator);
}

const NumericFieldSpec* findNumericField(std::string_view name)
{
    for (const auto& f : kFields)
        if (name == f.name)
            return &f;
    return nullptr;
}

} // namespace anodyne
