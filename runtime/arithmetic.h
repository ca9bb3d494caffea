#pragma once

// Checked arithmetic on side values. Every operation that would leave the
// finite doubles raises Error(Overflow) instead of carrying an infinity or a
// NaN into the next step.
namespace runtime {

[[nodiscard]] double add(double left, double right);
[[nodiscard]] double subtract(double left, double right);
[[nodiscard]] double multiply(double left, double right);
// Raises DivisionByZero for a zero divisor.
[[nodiscard]] double divide(double left, double right);
// A general power, not a square root. Raises InvalidArgument for a negative
// base with a fractional exponent.
[[nodiscard]] double power(double base, double exponent);
[[nodiscard]] bool less_than(double left, double right) noexcept;

} // namespace runtime
