#pragma once

#include "window/form1_description.h"

#include <array>

// What the page makes of Form1's controls beyond the stored table, as the
// desktop's code does: which caption names which box, which button Enter in a
// box presses, and which label shows the result.
namespace page {

struct CaptionOf {
  const form1::Control *label, *box;
};

inline constexpr std::array<CaptionOf, 3> side_captions = {{
    {.label = &form1::control("Label1"), .box = &form1::control("Text1")},
    {.label = &form1::control("Label2"), .box = &form1::control("Text2")},
    {.label = &form1::control("Label3"), .box = &form1::control("Text3")},
}};
inline constexpr const form1::Control &default_button = form1::control("Command2");
inline constexpr const form1::Control &result_label = form1::control("Label4");

} // namespace page
