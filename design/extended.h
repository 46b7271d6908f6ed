// Checked extended-precision arithmetic for the design formulas.
//
// Every formula is evaluated in long double (x87 extended on the machines we ship
// for) and rounded to float when stored, exactly as the reference results assume.
// Faults are detected after each operation instead of by hardware traps:
//   x / 0 (x finite, non-zero)             -> "Floating point division by zero"
//   0 / 0, inf - inf, 0 * inf, inf / inf   -> "Invalid floating point operation"
//   any comparison that meets a NaN        -> "Invalid floating point operation"
//   a finite result that becomes infinite  -> "Floating point overflow"
//   a store into float that overflows      -> "Floating point overflow"
// A NaN operand simply propagates (quiet NaNs do not fault), so the NaN that a
// square root of a negative number yields flows on until a comparison traps.
#pragma once

#include "apperror.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace anodyne {

// Where the runtime's math-error box goes ("sqrt: DOMAIN error"); the form implements it.
class MathErrorDisplay {
public:
    virtual ~MathErrorDisplay() = default;
    virtual void showMathError(const std::string& text) = 0;
};

class Ext {
public:
    constexpr Ext() = default;
    constexpr Ext(long double v) : v_(v) {}
    constexpr Ext(double v) : v_(static_cast<long double>(v)) {}
    constexpr Ext(float v) : v_(static_cast<long double>(v)) {}
    constexpr Ext(int v) : v_(static_cast<long double>(v)) {}
    constexpr Ext(std::int64_t v) : v_(static_cast<long double>(v)) {}

    constexpr long double value() const { return v_; }
    bool isNaN() const { return std::isnan(v_); }

    friend Ext operator+(Ext a, Ext b) { return checked(a, b, a.v_ + b.v_); }
    friend Ext operator-(Ext a, Ext b) { return checked(a, b, a.v_ - b.v_); }
    friend Ext operator*(Ext a, Ext b) { return checked(a, b, a.v_ * b.v_); }
    friend Ext operator/(Ext a, Ext b)
    {
        if (b.v_ == 0.0L && !std::isnan(a.v_) && !std::isinf(a.v_))
            raise(a.v_ == 0.0L ? errtext::InvalidOperation : errtext::DivisionByZero);
        return checked(a, b, a.v_ / b.v_);
    }
    friend Ext operator-(Ext a) { return Ext(-a.v_); }

    friend bool operator<(Ext a, Ext b)
    {
        ordered(a, b);
        return a.v_ < b.v_;
    }
    friend bool operator<=(Ext a, Ext b)
    {
        ordered(a, b);
        return a.v_ <= b.v_;
    }
    friend bool operator>(Ext a, Ext b)
    {
        ordered(a, b);
        return a.v_ > b.v_;
    }
    friend bool operator>=(Ext a, Ext b)
    {
        ordered(a, b);
        return a.v_ >= b.v_;
    }
    friend bool operator==(Ext a, Ext b)
    {
        ordered(a, b);
        return a.v_ == b.v_;
    }

private:
    static Ext checked(Ext a, Ext b, long double r)
    {
        const bool operandNaN = std::isnan(a.v_) || std::isnan(b.v_);
        if (std::isnan(r) && !operandNaN)
            raise(errtext::InvalidOperation);
        if (std::isinf(r) && std::isfinite(a.v_) && std::isfinite(b.v_))
            raise(errtext::Overflow);
        return Ext(r);
    }
    static void ordered(Ext a, Ext b)
    {
        if (std::isnan(a.v_) || std::isnan(b.v_))
            raise(errtext::InvalidOperation);
    }

    long double v_ = 0.0L;
};

// Rounds to single precision for storing into a design field.
inline float toFloat(Ext x)
{
    const long double v = x.value();
    const float f = static_cast<float>(v);
    if (std::isinf(f) && std::isfinite(v))
        raise(errtext::Overflow);
    return f;
}

// Truncates toward zero for storing into an integer design field; a NaN or a value
// outside the 32-bit range cannot be stored and is an invalid operation.
inline std::int32_t toInt(Ext x)
{
    const long double t = std::trunc(x.value());
    if (std::isnan(t) || t < -2147483648.0L || t > 2147483647.0L)
        raise(errtext::InvalidOperation);
    return static_cast<std::int32_t>(t);
}

// Square root as the runtime does it: a negative argument is reported on the
// math-error display and yields NaN, which is not an error that ends the pass.
inline Ext sqrtX(Ext x, MathErrorDisplay& display)
{
    const long double v = x.value();
    if (v < 0.0L) {
        display.showMathError("sqrt: DOMAIN error");
        return Ext(std::numeric_limits<long double>::quiet_NaN());
    }
    return Ext(std::sqrt(v));
}

inline Ext ceilX(Ext x) { return Ext(std::ceil(x.value())); }
inline Ext absX(Ext x) { return Ext(std::fabs(x.value())); }

} // namespace anodyne
