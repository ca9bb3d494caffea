#pragma once

#include <gmpxx.h>

#include <string>
#include <string_view>

namespace calculation {

// The text of a non-negative fixed-point number given as a whole number of
// units of 10^-places: the whole digits without leading zeros, none at all
// for a zero whole part; then the separator, always; then the fraction
// digits without trailing zeros. So (6000, 3) gives "6." and (433, 3) gives
// ".433" with '.' as the separator.
[[nodiscard]] std::string fixed_point_text(const mpz_class &units, int places,
                                           std::string_view decimal_separator);

} // namespace calculation
