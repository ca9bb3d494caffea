#pragma once

#include "calculation/decimal_number.h"

#include <gmpxx.h>

#include <array>
#include <optional>

namespace calculation {

// Heron's area of the triangle whose sides are the numbers typed, each within
// the double range, decided in exact arithmetic: nullopt when one side is longer than the other two
// together (equal is a triangle, of area 0), otherwise the area as a whole
// number of thousandths, rounded half away from zero.
//
// The work grows with the digits the outcome depends on, not with the sides'
// exponents: "1e-999999999" costs what "1" does.
//
// Raises runtime::Error(Overflow) when that area exceeds the largest double.
[[nodiscard]] std::optional<mpz_class>
exact_area_in_thousandths(const std::array<DecimalNumber, 3> &sides);

} // namespace calculation
