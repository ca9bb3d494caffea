#pragma once

#include <algorithm>
#include <array>
#include <clocale>

// Switches the C library's number locale to Russian, whose decimal separator
// is a comma, under the name the platform knows it by; false where it has
// none. Undone by std::setlocale(LC_NUMERIC, "C").
inline bool use_comma_locale() {
  const std::array names{"ru_RU.UTF-8", "ru-RU", "Russian_Russia.1251"};
  return std::any_of(names.begin(), names.end(),
                     [](const char *name) { return std::setlocale(LC_NUMERIC, name) != nullptr; });
}
