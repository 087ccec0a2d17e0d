#pragma once
#include "raster/Color.h"

#include <string>

// The name shown for a colour value: one of the sixteen basic identifiers
// ("clRed"), else "0x" and eight upper-case hex digits ("0x00C08040").
std::string ColorToString(TColor color);
