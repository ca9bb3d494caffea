#include "calculation/binary_value.h"

#include <cfloat>
#include <cmath>

namespace calculation {

BinaryValue binary_value_of(double value) {
  int exponent = 0;
  const double fraction = std::frexp(value, &exponent);
  // 53 bits make the mantissa whole, subnormals included.
  return {.mantissa = mpz_class(std::ldexp(fraction, DBL_MANT_DIG)),
          .exponent = exponent - DBL_MANT_DIG};
}

} // namespace calculation
