#pragma once

#include <gmpxx.h>

#include <string>

namespace calculation {

// A number exactly as a text denotes it: -digits 10^exponent when negative,
// digits 10^exponent otherwise. The digits have no leading or trailing zero,
// so that zero alone has none, and the exponent is exact however it was
// typed ("1e-999999999" included).
struct DecimalNumber {
  bool negative = false;
  std::string digits;
  mpz_class exponent;

  [[nodiscard]] bool is_zero() const { return digits.empty(); }
  [[nodiscard]] bool is_negative() const { return negative && !is_zero(); }
  // For a non-zero number, 10^(magnitude - 1) <= |value| < 10^magnitude.
  [[nodiscard]] mpz_class magnitude() const {
    return exponent + static_cast<unsigned long>(digits.size());
  }
};

} // namespace calculation
