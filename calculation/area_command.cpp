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
#include <functional>
#include <numeric>
#include <optional>
#include <utility>

namespace calculation {
namespace {

using runtime::add;
using runtime::less_than;
using runtime::multiply;
using runtime::subtract;

// A correctly rounded result is within this fraction of the exact one.
constexpr double unit_roundoff = 0x1p-53;

// Sides times one power of two, side = scaled · 2^exponent, chosen so that
// the largest lies in [1, 2): no sum, product or root of them then leaves the
// double range.
struct ScaledSides {
  std::array<double, 3> sides;
  int exponent;
};

// Nothing where a side would lose bits to underflow on the way: the sides are
// too far apart in size for doubles.
std::optional<ScaledSides> scaled(const std::array<double, 3> &sides) {
  const double largest = std::fabs(*std::max_element(
      sides.begin(), sides.end(), [](double x, double y) { return std::fabs(x) < std::fabs(y); }));
  if (largest == 0.0) {
    return ScaledSides{.sides = sides, .exponent = 0};
  }
  const int exponent = std::ilogb(largest);
  ScaledSides result{.sides = sides, .exponent = exponent};
  for (double &side : result.sides) {
    if (side != 0.0 && std::ilogb(side) - exponent < DBL_MIN_EXP - 1) {
      return std::nullopt;
    }
    side = std::ldexp(side, -exponent);
  }
  return result;
}

// Heron's four factors of sides a >= b >= c, their product 16 S^2, arranged
// so that none loses anything to cancellation, as the textbook
// p(p-a)(p-b)(p-c) does for thin triangles.
std::array<double, 4> heron_factors(double a, double b, double c) {
  return {add(a, add(b, c)), subtract(c, subtract(a, b)), add(c, subtract(a, b)),
          add(a, subtract(b, c))};
}

double area_of(const std::array<double, 4> &factors) {
  const double product =
      multiply(multiply(multiply(factors[0], factors[1]), factors[2]), factors[3]);
  // Rounding alone can leave a degenerate triangle's product just below zero.
  if (less_than(product, 0.0)) {
    return 0.0;
  }
  return runtime::divide(runtime::power(product, runtime::divide(1.0, 2.0)), 4.0);
}

// Below this, an intermediate product may have lost bits to underflow: it
// is then below 2^-1017 and its root below 2^-510.
constexpr double smallest_exact_area = 0x1p-450;

// True when every value within the area's error bound rounds to the same
// thousandth, so that the double's rendering is the exact area's. On the
// doubles' own triangle the area is within 8u = 2^-50 of its own: the
// largest side less the middle one is exact, every other bracket and product
// rounds once, each sum of two roundings loses at most 2u, and pow is within
// one unit of the last place. The sides' conversion adds relative_error.
// The bound is doubled for the product by 1000.
bool rounds_as_the_exact_area(double area, double relative_error) {
  const double thousandths = area * 1000.0;
  if (!(thousandths < 0x1p52)) {
    return false;
  }
  const double fraction = thousandths - std::floor(thousandths);
  return std::fabs(fraction - 0.5) > thousandths * (0x1p-49 + 2 * relative_error);
}

std::string result_line(std::string_view area_text) {
  return std::string(result_prefix) += area_text;
}

// The caption, where doubles decide it; nothing where they do not.
//
// A side's double is the number typed, or within u = 2^-53 of its own size
// of it, so the true factors are within E, the sum of those errors, of the
// doubles' exact ones. These in turn are within 2uT, T = a + b + c, of the
// factors computed, each of two roundings of sums no larger than T. A factor
// further than 4uT + 2E from zero therefore has the true one's sign, and is
// within a relative 2E / f of it; while their sum r is small, the area moves
// by a relative r / 2 at most, and r bounds that with room to spare.
std::optional<std::string> caption_from_doubles(const std::array<SideReading, 3> &readings,
                                                std::string_view decimal_separator) {
  std::array<double, 3> values{};
  for (std::size_t i = 0; i < readings.size(); ++i) {
    const auto &side = readings[i];
    // Below the normal range a double may hold nothing of the number typed.
    if (side.typed.is_negative() || (!side.value_is_exact && side.value < DBL_MIN)) {
      return std::nullopt;
    }
    values[i] = side.value;
  }
  auto sides = scaled(values);
  if (!sides) {
    return std::nullopt;
  }
  double conversion_error = 0.0;
  for (std::size_t i = 0; i < readings.size(); ++i) {
    if (!readings[i].value_is_exact) {
      conversion_error += sides->sides[i] * unit_roundoff;
    }
  }
  auto &[a, b, c] = sides->sides;
  std::sort(sides->sides.begin(), sides->sides.end(), std::greater<>());
  const auto factors = heron_factors(a, b, c);

  const double margin = 4 * unit_roundoff * factors[0] + 2 * conversion_error;
  if (std::any_of(factors.begin(), factors.end(), [margin](double f) { return f < -margin; })) {
    return std::string(refusal_message);
  }
  if (std::any_of(factors.begin(), factors.end(), [margin](double f) { return f <= margin; })) {
    return std::nullopt;
  }
  const double relative_error =
      std::accumulate(factors.begin(), factors.end(), 0.0, [&](double sum, double factor) {
        return sum + 2 * conversion_error / factor;
      });
  if (relative_error > 0x1p-20) {
    return std::nullopt;
  }
  const double area = area_of(factors);
  if (area < smallest_exact_area) {
    return std::nullopt;
  }
  const double unscaled = std::ldexp(area, 2 * sides->exponent);
  if (!rounds_as_the_exact_area(unscaled, relative_error)) {
    return std::nullopt;
  }
  return result_line(Format(unscaled, area_pattern, decimal_separator, FirstDayOfWeek::Sunday,
                            FirstWeekOfYear::Jan1));
}

} // namespace

double heron_area(double a, double b, double c) {
  std::array<double, 3> sides = {a, b, c};
  std::sort(sides.begin(), sides.end(), std::greater<>());
  return area_of(heron_factors(sides[0], sides[1], sides[2]));
}

std::string area_command(std::string_view text1, std::string_view text2, std::string_view text3,
                         std::string_view decimal_separator) {
  const std::array sides = {read_side(text1), read_side(text2), read_side(text3)};

  // Doubles answer whenever their error bound decides the outcome; the rest,
  // a hair from a rounding boundary, degenerate, beyond 2^52 thousandths or
  // with a side no double holds closely, is decided exactly.
  if (auto caption = caption_from_doubles(sides, decimal_separator)) {
    return *std::move(caption);
  }
  const auto thousandths =
      exact_area_in_thousandths({sides[0].typed, sides[1].typed, sides[2].typed});
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
