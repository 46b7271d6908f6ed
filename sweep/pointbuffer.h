// The texts a sweep passes its points through: column i holds the i-th sweep
// frequency (row 0, two decimals) and its SWR (row 1, four decimals). The chart
// plots the numbers read back from these texts, so a plotted point is exactly what
// the table shows. The window keeps one buffer per chart, hidden.
#pragma once

#include <array>
#include <string>
#include <utility>

namespace anodyne {

class PointBuffer {
public:
    static constexpr int Columns = 21;
    static constexpr int Rows = 2;
    static constexpr int FrequencyRow = 0;
    static constexpr int SwrRow = 1;

    const std::string& cell(int column, int row) const { return cells_.at(row).at(column); }
    void setCell(int column, int row, std::string text) { cells_.at(row).at(column) = std::move(text); }

private:
    std::array<std::array<std::string, Columns>, Rows> cells_{};
};

} // namespace anodyne
