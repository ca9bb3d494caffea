#include "runtime/arithmetic.h"

#include "runtime/error.h"

#include <cmath>

namespace runtime {
namespace {

double checked(double result) {
  if (!std::isfinite(result)) {
    throw Error(ErrorCode::Overflow);
  }
  return result;
}

} // namespace

double add(double left, double right) { return checked(left + right); }

double subtract(double left, double right) { return checked(left - right); }

double multiply(double left, double right) { return checked(left * right); }

double divide(double left, double right) {
  if (right == 0.0) {
    throw Error(ErrorCode::DivisionByZero);
  }
  return checked(left / right);
}

double power(double base, double exponent) {
  const bool fractional = std::trunc(exponent) != exponent;
  if (base < 0.0 && fractional) {
    throw Error(ErrorCode::InvalidArgument);
  }
  return checked(std::pow(base, exponent));
}

bool less_than(double left, double right) noexcept { return left < right; }

} // namespace runtime
