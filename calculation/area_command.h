#pragma once

#include <string>
#include <string_view>

namespace calculation {

inline constexpr std::string_view refusal_message = "Треугольника не существует";
inline constexpr std::string_view result_prefix = "Площадь треугольника= ";
inline constexpr std::string_view area_pattern = "#####.###";

// The area command: reads three side texts with Val, refuses a triangle in
// which one side is longer than the sum of the other two, and otherwise gives
// the result line with the area by Heron's formula rendered by area_pattern.
// A degenerate triangle (one side equal to the sum of the others) has area 0.
// The outcome is the exact one for the numbers typed, not for the doubles
// nearest them: the existence test and the last digit shown are those of
// exact arithmetic on the numbers the texts denote under Val's rules.
//
// decimal_separator is the user's, as UTF-8. Raises runtime::Error when a
// side cannot be read or the area exceeds the largest double.
[[nodiscard]] std::string area_command(std::string_view text1, std::string_view text2,
                                       std::string_view text3, std::string_view decimal_separator);

// The caption as a screen reader should say it: an area with no whole digit
// gains the zero the display leaves out, which speech would otherwise drop
// with the bare separator ("= ,433" is said as "= 0,433", "= ," as "= 0").
[[nodiscard]] std::string spoken_caption(std::string_view caption,
                                         std::string_view decimal_separator);

// Heron's area of the sides a, b, c, taken in the arrangement that stays
// accurate for needle-like triangles. The sides must pass the existence test.
// Raises runtime::Error when a step leaves the double range.
[[nodiscard]] double heron_area(double a, double b, double c);

} // namespace calculation
