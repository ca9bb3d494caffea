#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Between the window system's UTF-16 and the calculation's UTF-8.
[[nodiscard]] std::string utf8_of(std::wstring_view text);
[[nodiscard]] std::wstring wide_of(std::string_view text);
[[nodiscard]] std::wstring wide_of(std::u16string_view text);

// A control's whole window text.
[[nodiscard]] std::wstring window_text(HWND window);

// The decimal separator of the user's locale, UTF-8.
[[nodiscard]] std::string user_decimal_separator();
