#pragma once

#include <string>

namespace page {

// Form1's stored places and colours as CSS: the window's background, the
// captions' stored colours in a light scheme and tints at 7:1 in a dark one
// or where more contrast is asked for, and, wherever the page is wide
// enough, every control at its stored place.
[[nodiscard]] std::string form1_style();

} // namespace page
