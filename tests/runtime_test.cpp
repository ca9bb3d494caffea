#include "runtime/arithmetic.h"
#include "runtime/error.h"
#include "runtime/error_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

constexpr double huge = std::numeric_limits<double>::max();

struct FailingStep {
  const char *name;
  std::function<double()> step;
  runtime::ErrorCode expected;
  const char *message;
};

TEST(Arithmetic, RaisesInsteadOfLeavingTheFiniteDoubles) {
  const FailingStep cases[] = {
      {"sum past the largest double", [] { return runtime::add(huge, huge); },
       runtime::ErrorCode::Overflow, "Переполнение"},
      {"difference past the lowest double", [] { return runtime::subtract(-huge, huge); },
       runtime::ErrorCode::Overflow, "Переполнение"},
      {"product past the largest double", [] { return runtime::multiply(1e200, 1e200); },
       runtime::ErrorCode::Overflow, "Переполнение"},
      {"quotient past the largest double", [] { return runtime::divide(huge, 0.5); },
       runtime::ErrorCode::Overflow, "Переполнение"},
      {"zero divisor", [] { return runtime::divide(1.0, 0.0); }, runtime::ErrorCode::DivisionByZero,
       "Деление на ноль"},
      {"negative base, fractional exponent", [] { return runtime::power(-2.8125, 0.5); },
       runtime::ErrorCode::InvalidArgument, "Недопустимый аргумент"},
      {"power past the largest double", [] { return runtime::power(1e300, 2.0); },
       runtime::ErrorCode::Overflow, "Переполнение"},
  };
  for (const auto &[name, step, expected, message] : cases) {
    try {
      (void)step();
      ADD_FAILURE() << name << ": no error";
    } catch (const runtime::Error &error) {
      EXPECT_EQ(error.code(), expected) << name;
      EXPECT_STREQ(error.what(), message) << name;
    }
  }
}

TEST(Arithmetic, PowerIsGeneral) {
  EXPECT_EQ(runtime::power(36.0, 0.5), 6.0);
  EXPECT_EQ(runtime::power(-2.0, 3.0), -8.0); // whole exponents take any base
  EXPECT_EQ(runtime::power(0.0, 0.5), 0.0);
  EXPECT_TRUE(runtime::less_than(-1.0, 0.0));
  EXPECT_FALSE(runtime::less_than(0.0, -0.0));
}

TEST(ErrorReport, IsRussianWithNumberAndDescription) {
  const auto report = runtime::report_of(runtime::Error(runtime::ErrorCode::Overflow));
  EXPECT_EQ(report.title, "Ошибка");
  EXPECT_EQ(report.text, "Ошибка выполнения 6:\nПереполнение");
}

} // namespace
