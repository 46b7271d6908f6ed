// What a network method does when its network cannot be built with the loaded Q
// the user asked for: it raises that Q by a fixed step, says so, and ends the pass.
// The user clicks again; each failing click raises Q once more.
#pragma once

#include "designform.h"

#include <cstdint>
#include <optional>

namespace anodyne {

struct QStep {
    const char* field;   // the loaded-Q spin field: "QilSpinEdit" or "QolSpinEdit"
    double step;         // 0.1 on the input side, 0.5 on the output side
    const char* caption; // "Unrealized Input Network!" / "Unrealized Output Network!"
};

inline constexpr QStep kInputQStep{"QilSpinEdit", 0.1, "Unrealized Input Network!"};
inline constexpr QStep kOutputQStep{"QolSpinEdit", 0.5, "Unrealized Output Network!"};

// Shows "Q-factor set now to " with the raised Q at full precision (the float
// q plus the double step, not rounded to float: a stored 3.1 gives a number just
// below 3.2), then stores the raised Q as float into `q`, writes it into the field
// with one decimal and moves the focus there. Returns false: the pass stops.
bool qStepCorrection(float& q, const QStep& how, DesignForm& form);

// The W5FD methods' quick minimum-Q test is taken in whole ohms: the larger of the
// two resistances divided by the smaller, remainder dropped, less one; its square
// root must stay below the loaded Q. No value when the smaller one is 0 ohm.
inline std::optional<std::int64_t> wholeOhmRatioLessOne(std::int64_t a, std::int64_t b)
{
    const std::int64_t larger = a > b ? a : b;
    const std::int64_t smaller = a > b ? b : a;
    if (smaller == 0)
        return std::nullopt;
    return larger / smaller - 1;
}

} // namespace anodyne
