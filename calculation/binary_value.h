#pragma once

#include <gmpxx.h>

namespace calculation {

// A finite double as the whole number it holds times a power of two:
// value = mantissa 2^exponent, exactly.
struct BinaryValue {
  mpz_class mantissa;
  long exponent;
};

[[nodiscard]] BinaryValue binary_value_of(double value);

} // namespace calculation
