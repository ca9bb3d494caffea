#include "calculation/area_command.h"

#include "calculation/exact_area.h"
#include "calculation/fixed_point_text.h"
#include "calculation/format.h"
#include "calculation/val.h"
#include "runtime/arithmetic.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <optional>
#include <utility>

namespace calculation {
namespace {

using runtime::add;
using runtime::less_than;
using runtime::multiply;
using runtime::subtract;

// Sides times one power of two, side = scaled · 2^exponent, chosen so that
// the largest lies in [1, 2): no sum, product or root of them then leaves the
// double range.
struct ScaledSides {
  double a, b, c;
  int exponent;
};

// Nothing where a side would lose bits to underflow on the way: the sides are
// too far apart in size for doubles.
std::optional<ScaledSides> scaled(double a, double b, double c) {
  const double largest = std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
  if (largest == 0.0) {
    return ScaledSides{.a = a, .b = b, .c = c, .exponent = 0};
  }
  const int exponent = std::ilogb(largest);
  for (const double side : {a, b, c}) {
    if (side != 0.0 && std::ilogb(side) - exponent < DBL_MIN_EXP - 1) {
      return std::nullopt;
    }
  }
  return ScaledSides{.a = std::ldexp(a, -exponent),
                     .b = std::ldexp(b, -exponent),
                     .c = std::ldexp(c, -exponent),
                     .exponent = exponent};
}

enum class Existence { refused, exists, undecided };

// Rounding is monotonic, so a rounded sum below or above the third side
// orders the exact sum the same way; only a rounded sum equal to it leaves
// the question open.
Existence existence(double a, double b, double c) {
  bool undecided = false;
  for (const auto &[x, y, z] : {std::array{a, b, c}, std::array{a, c, b}, std::array{b, c, a}}) {
    const double sum = add(x, y);
    if (less_than(sum, z)) {
      return Existence::refused;
    }
    undecided = undecided || sum == z;
  }
  return undecided ? Existence::undecided : Existence::exists;
}

// Below this, an intermediate product may have lost bits to underflow: it
// is then below 2^-1017 and its root below 2^-510.
constexpr double smallest_exact_area = 0x1p-450;

// The area on scaled sides of a triangle that strictly exists, when the
// doubles keep its error bound: then the largest side less the middle one is
// exact, every other bracket and product rounds once, each sum of two
// roundings loses at most 2u, and pow is within one unit of the last place.
// The relative error stays below 8u = 2^-50.
std::optional<double> double_area(const ScaledSides &sides) {
  const double area = heron_area(sides.a, sides.b, sides.c);
  if (area < smallest_exact_area) {
    return std::nullopt;
  }
  return std::ldexp(area, 2 * sides.exponent);
}

// True when every value within the double area's error bound rounds to the
// same thousandth, so that the double's rendering is the exact area's. The
// bound is doubled for the product by 1000.
bool rounds_as_the_exact_area(double area) {
  const double thousandths = area * 1000.0;
  if (!(thousandths < 0x1p52)) {
    return false;
  }
  const double fraction = thousandths - std::floor(thousandths);
  return std::fabs(fraction - 0.5) > thousandths * 0x1p-49;
}

std::string result_line(std::string_view area_text) {
  return std::string(result_prefix) += area_text;
}

} // namespace

double heron_area(double a, double b, double c) {
  // Largest first: with a >= b >= c every bracket below loses nothing to
  // cancellation, which the textbook p(p-a)(p-b)(p-c) does for thin triangles.
  if (a < b) {
    std::swap(a, b);
  }
  if (b < c) {
    std::swap(b, c);
  }
  if (a < b) {
    std::swap(a, b);
  }
  const double product = multiply(
      multiply(multiply(add(a, add(b, c)), subtract(c, subtract(a, b))), add(c, subtract(a, b))),
      add(a, subtract(b, c)));
  // Rounding alone can leave a degenerate triangle's product just below zero.
  if (less_than(product, 0.0)) {
    return 0.0;
  }
  return runtime::divide(runtime::power(product, runtime::divide(1.0, 2.0)), 4.0);
}

std::string area_command(std::string_view text1, std::string_view text2, std::string_view text3,
                         std::string_view decimal_separator) {
  const double a = Val(text1);
  const double b = Val(text2);
  const double c = Val(text3);

  // Doubles answer whenever their error bound decides the outcome; the rest,
  // a hair from a rounding boundary, degenerate or beyond 2^52 thousandths,
  // is decided exactly.
  if (const auto sides = scaled(a, b, c)) {
    const auto exists = existence(sides->a, sides->b, sides->c);
    if (exists == Existence::refused) {
      return std::string(refusal_message);
    }
    if (exists == Existence::exists) {
      if (const auto area = double_area(*sides); area && rounds_as_the_exact_area(*area)) {
        return result_line(Format(*area, area_pattern, decimal_separator, FirstDayOfWeek::Sunday,
                                  FirstWeekOfYear::Jan1));
      }
    }
  }
  const auto thousandths = exact_area_in_thousandths(a, b, c);
  if (!thousandths) {
    return std::string(refusal_message);
  }
  constexpr int thousandth_places = 3;
  return result_line(fixed_point_text(*thousandths, thousandth_places, decimal_separator));
}

std::string spoken_caption(std::string_view caption, std::string_view decimal_separator) {
  std::string spoken(caption);
  if (caption.starts_with(result_prefix) &&
      caption.substr(result_prefix.size()).starts_with(decimal_separator)) {
    spoken.insert(result_prefix.size(), 1, '0');
    // A zero area: the separator alone would be said after the zero.
    if (spoken.size() == result_prefix.size() + 1 + decimal_separator.size()) {
      spoken.resize(result_prefix.size() + 1);
    }
  }
  return spoken;
}

} // namespace calculation
