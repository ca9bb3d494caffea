#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

// The errors the program's operations can raise; the values are the numbers
// a user sees in the error report.
enum class ErrorCode : int {
  InvalidArgument = 5,
  Overflow = 6,
  DivisionByZero = 11,
};

// A failed operation. Carries the number and the Russian description shown
// to the user; what() gives the description as UTF-8.
class Error : public std::runtime_error {
public:
  explicit Error(ErrorCode code);

  [[nodiscard]] ErrorCode code() const noexcept { return code_; }
  [[nodiscard]] int number() const noexcept { return static_cast<int>(code_); }
  [[nodiscard]] std::string description() const { return what(); }

private:
  ErrorCode code_;
};

// The Russian description of an error, UTF-8.
[[nodiscard]] const char *describe(ErrorCode code) noexcept;

} // namespace runtime
