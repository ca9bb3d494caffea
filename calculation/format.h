#pragma once

#include <string>
#include <string_view>

namespace calculation {

enum class FirstDayOfWeek { Sunday = 1 };
enum class FirstWeekOfYear { Jan1 = 1 };

// Renders a number by a digit pattern of the form "#####.###": '#'
// placeholders, one '.' for the decimal separator, at most five '#' after it.
//
// The value is rounded to as many fractional digits as the pattern has after
// the point, ties away from zero. The whole part shows its digits without
// leading zeros, all of them however many placeholders there are, and no
// digit at all when it is zero; the separator is always shown; the fraction
// drops its trailing zeros. So 6 gives "6.", 0.4330127 gives ".433" and 0
// gives "." with '.' as the separator. A negative value that does not round
// to zero is preceded by '-'.
//
// decimal_separator is the user's, as UTF-8. The calendar arguments have no
// effect on a number. Raises runtime::Error(InvalidArgument) for a pattern
// not of that form and for a value that is not finite.
[[nodiscard]] std::string Format(double value, std::string_view pattern,
                                 std::string_view decimal_separator,
                                 FirstDayOfWeek first_day = FirstDayOfWeek::Sunday,
                                 FirstWeekOfYear first_week = FirstWeekOfYear::Jan1);

} // namespace calculation
