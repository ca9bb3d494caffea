#include "calculation/fixed_point_text.h"

#include <algorithm>

namespace calculation {

std::string fixed_point_text(const mpz_class &units, int places,
                             std::string_view decimal_separator) {
  const std::string digits = units.get_str();
  const auto fraction_size = static_cast<std::size_t>(places);
  // Fewer digits than places: the fraction's leading zeros are not written.
  const auto whole_size = digits.size() > fraction_size ? digits.size() - fraction_size : 0;
  std::string_view whole = std::string_view(digits).substr(0, whole_size);
  std::string_view fraction = std::string_view(digits).substr(whole_size);
  const auto leading_zeros = fraction_size - fraction.size();

  whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
  fraction.remove_suffix(fraction.size() -
                         std::min(fraction.find_last_not_of('0') + 1, fraction.size()));
  std::string text;
  text.reserve(whole.size() + decimal_separator.size() + leading_zeros + fraction.size());
  text += whole;
  text += decimal_separator;
  if (!fraction.empty()) {
    text.append(leading_zeros, '0');
    text += fraction;
  }
  return text;
}

} // namespace calculation
