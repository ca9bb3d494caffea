#include "calculation/fixed_point_text.h"

#include <algorithm>

namespace calculation {

std::string fixed_point_text(std::string_view whole, std::string_view fraction,
                             std::string_view decimal_separator) {
  whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
  fraction.remove_suffix(fraction.size() -
                         std::min(fraction.find_last_not_of('0') + 1, fraction.size()));
  std::string text;
  text.reserve(whole.size() + decimal_separator.size() + fraction.size());
  text += whole;
  text += decimal_separator;
  text += fraction;
  return text;
}

} // namespace calculation
