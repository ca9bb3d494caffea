#pragma once

#include <gmpxx.h>

#include <optional>

namespace calculation {

// Heron's area of the triangle with sides a, b, c, decided in exact
// arithmetic on the values the doubles hold: nullopt when one side is longer
// than the other two together (equal is a triangle, of area 0), otherwise the
// area as a whole number of thousandths, rounded half away from zero.
//
// Raises runtime::Error(Overflow) when that area exceeds the largest double.
[[nodiscard]] std::optional<mpz_class> exact_area_in_thousandths(double a, double b, double c);

} // namespace calculation
