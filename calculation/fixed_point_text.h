#pragma once

#include <string>
#include <string_view>

namespace calculation {

// The text of a non-negative fixed-point number given by its decimal digits
// before and after the point: the whole digits without leading zeros, none at
// all for a zero whole part; then the separator, always; then the fraction
// digits without trailing zeros. So ("6", "000") gives "6." and ("0", "433")
// gives ".433" with '.' as the separator.
[[nodiscard]] std::string fixed_point_text(std::string_view whole, std::string_view fraction,
                                           std::string_view decimal_separator);

} // namespace calculation
