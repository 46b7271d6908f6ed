// The working directory as it was when the program started. The entry records it
// before any window exists; saving an amplifier data file reads it.
#pragma once

#include <string>

namespace anodyne::ui {

void recordStartupDir();
// Empty until recorded; no trailing separator.
const std::string& startupDir();

} // namespace anodyne::ui
