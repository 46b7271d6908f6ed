// The program's one error type.
//
// Everything that ends a handler early carries the exact text the user reads:
//  - arithmetic faults: "Floating point division by zero", "Invalid floating point
//    operation", "Floating point overflow";
//  - conversion errors: "'<text>' is not a valid floating point value";
//  - file errors of the .amp reader and writer: "Cannot open file <name>",
//    "Cannot create file <name>", "List index out of bounds (4)".
// The core raises it; the window's error display shows it (adding a full stop).
#pragma once

#include <stdexcept>
#include <string>

namespace anodyne {

class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& text) : std::runtime_error(text) {}
    std::string text() const { return what(); }
};

namespace errtext {
inline constexpr const char* DivisionByZero = "Floating point division by zero";
inline constexpr const char* InvalidOperation = "Invalid floating point operation";
inline constexpr const char* Overflow = "Floating point overflow";
} // namespace errtext

[[noreturn]] inline void raise(const std::string& text) { throw AppError(text); }

// "'<text>' is not a valid floating point value"
[[noreturn]] inline void raiseNotAFloat(const std::string& text)
{
    raise("'" + text + "' is not a valid floating point value");
}

} // namespace anodyne
