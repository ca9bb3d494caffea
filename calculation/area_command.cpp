#include "calculation/area_command.h"

#include "calculation/format.h"
#include "calculation/val.h"
#include "runtime/arithmetic.h"

#include <utility>

namespace calculation {
namespace {

using runtime::add;
using runtime::less_than;
using runtime::multiply;
using runtime::subtract;

bool is_triangle(double a, double b, double c) {
  return !less_than(add(a, b), c) && !less_than(add(a, c), b) && !less_than(add(b, c), a);
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
  if (!is_triangle(a, b, c)) {
    return std::string(refusal_message);
  }
  return std::string(result_prefix) + Format(heron_area(a, b, c), area_pattern, decimal_separator,
                                             FirstDayOfWeek::Sunday, FirstWeekOfYear::Jan1);
}

} // namespace calculation
