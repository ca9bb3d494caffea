#pragma once

#include <string>

namespace page {

// Form1's controls as HTML, in tab order, so that the document order is the
// focus order: each element's id is its control's name, each side's caption a
// <label> for its box, focus starting on the control of the lowest tab index.
[[nodiscard]] std::string form1_markup();

} // namespace page
