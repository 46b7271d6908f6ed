#pragma once

namespace anodyne {

// Which matching network a sweep works on: the cathode (Chart1) or the plate (Chart2) one.
enum class SweepSide { Input, Output };

} // namespace anodyne
