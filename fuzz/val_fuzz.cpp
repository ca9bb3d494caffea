// Val on arbitrary bytes, taken as UTF-8 and as the UTF-16 a text box holds.
#include "calculation/val.h"
#include "fuzz/check.h"
#include "runtime/error.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

namespace {

void append_utf8(std::string &text, char32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (code >> 18));
    text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// As the window converts a box's text: lone surrogates become U+FFFD.
std::string utf8_of_utf16(const std::uint8_t *data, std::size_t size) {
  std::string text;
  const std::size_t units = size / 2;
  const auto unit = [data](std::size_t i) -> char32_t {
    return static_cast<char32_t>(data[2 * i] | (data[2 * i + 1] << 8));
  };
  for (std::size_t i = 0; i < units; ++i) {
    const char32_t high = unit(i);
    if (high >= 0xD800 && high < 0xDC00 && i + 1 < units && unit(i + 1) >= 0xDC00 &&
        unit(i + 1) < 0xE000) {
      append_utf8(text, 0x10000 + ((high - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
      ++i;
    } else if (high >= 0xD800 && high < 0xE000) {
      append_utf8(text, 0xFFFD);
    } else {
      append_utf8(text, high);
    }
  }
  return text;
}

// A plain decimal number, which the C library reads the same way.
bool is_plain_decimal(const std::string &text) {
  static const std::regex plain(R"(-?[0-9]{1,60}(\.[0-9]{0,60})?([eE][-+]?[0-9]{1,4})?)");
  return text.size() <= 200 && std::regex_match(text, plain);
}

void check_val(const std::string &text) {
  try {
    const double value = calculation::Val(text);
    FUZZ_CHECK(std::isfinite(value));
    if (is_plain_decimal(text)) {
      // The fuzzer runs in the C locale, where strtod takes the full stop.
      FUZZ_CHECK(value == std::strtod(text.c_str(), nullptr));
    }
  } catch (const runtime::Error &error) {
    FUZZ_CHECK(error.code() == runtime::ErrorCode::Overflow);
    if (is_plain_decimal(text)) {
      FUZZ_CHECK(std::isinf(std::strtod(text.c_str(), nullptr)));
    }
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  check_val(std::string(reinterpret_cast<const char *>(data), size));
  check_val(utf8_of_utf16(data, size));
  return 0;
}
