#include "window/win32/text.h"

#include <array>
#include <climits>

namespace {

int length_of(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

} // namespace

std::string utf8_of(std::wstring_view text) {
  if (text.empty()) {
    return {};
  }
  const int length = length_of(text.size());
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
  return result;
}

std::wstring wide_of(std::string_view text) {
  if (text.empty()) {
    return {};
  }
  const int length = length_of(text.size());
  const int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), length, result.data(), units);
  return result;
}

// wchar_t is UTF-16 on Windows.
std::wstring wide_of(std::u16string_view text) { return {text.begin(), text.end()}; }

std::wstring window_text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string user_decimal_separator() {
  std::array<wchar_t, 8> separator{};
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(),
                                     static_cast<int>(separator.size()));
  if (length <= 1) {
    return ".";
  }
  return utf8_of(std::wstring_view(separator.data(), static_cast<std::size_t>(length - 1)));
}
