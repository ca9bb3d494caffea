#include "calculation/exact_area.h"

#include "calculation/binary_value.h"
#include "runtime/error.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>

namespace calculation {
namespace {

// The largest double, in thousandths.
const mpz_class &largest_area_in_thousandths() {
  static const mpz_class largest = mpz_class(DBL_MAX) * 1000;
  return largest;
}

} // namespace

std::optional<mpz_class> exact_area_in_thousandths(double a, double b, double c) {
  // The sides become integers A, B, C times one common power of two 2^E.
  std::array<BinaryValue, 3> sides = {binary_value_of(a), binary_value_of(b), binary_value_of(c)};
  const long common =
      std::min_element(sides.begin(), sides.end(), [](const auto &x, const auto &y) {
        return x.exponent < y.exponent;
      })->exponent;
  for (auto &side : sides) {
    side.mantissa <<= static_cast<mp_bitcnt_t>(side.exponent - common);
  }
  const mpz_class &A = sides[0].mantissa;
  const mpz_class &B = sides[1].mantissa;
  const mpz_class &C = sides[2].mantissa;
  if (A > B + C || B > A + C || C > A + B) {
    return std::nullopt;
  }

  // 16 S^2 = (A+B+C)(B+C-A)(A+C-B)(A+B-C) 4^(2E), with no factor negative.
  const mpz_class product = mpz_class(A + B + C) * (B + C - A) * (A + C - B) * (A + B - C);

  // Twice the area in thousandths is the root of product 10^6 4^(2E-1); its
  // whole part m decides the rounding, ties up: round(1000 S) = (m + 1) / 2.
  // The root of a number's whole part has the same whole part as its own.
  mpz_class radicand = product * 1'000'000;
  const long shift = 4 * common - 2;
  if (shift >= 0) {
    radicand <<= static_cast<mp_bitcnt_t>(shift);
  } else {
    radicand >>= static_cast<mp_bitcnt_t>(-shift);
  }
  mpz_class thousandths = sqrt(radicand);
  thousandths += 1;
  thousandths >>= 1;
  if (thousandths > largest_area_in_thousandths()) {
    throw runtime::Error(runtime::ErrorCode::Overflow);
  }
  return thousandths;
}

} // namespace calculation
