#pragma once

#include <regex>
#include <string>
#include <string_view>

// True when a rendered area has its one form: whole digits without a leading
// zero, the separator, at most three fraction digits without a trailing zero.
inline bool is_rendered_area(std::string_view text, std::string_view separator) {
  const auto separator_at = text.find(separator);
  if (separator_at == text.npos) {
    return false;
  }
  static const std::regex whole("([1-9][0-9]*)?");
  static const std::regex fraction("([0-9]{0,2}[1-9])?");
  const std::string before(text.substr(0, separator_at));
  const std::string after(text.substr(separator_at + separator.size()));
  return std::regex_match(before, whole) && std::regex_match(after, fraction);
}
