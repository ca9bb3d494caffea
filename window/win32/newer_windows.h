#pragma once

#include <windows.h>

// What Windows 8.1 and 10 added for DPI, looked up when the program runs, so
// that it starts on Windows 7 SP1 as well; each falls back to what Windows 7
// has, at the one DPI it scales everything by.

// The window's DPI: its monitor's where Windows scales each monitor apart.
[[nodiscard]] UINT dpi_of(HWND window);

// The message font at `dpi`; false if the system would not tell.
[[nodiscard]] bool message_font(LOGFONTW &font, UINT dpi);

// The outer size of a window of `style` around a client area of
// width × height, with its frame at `dpi`.
[[nodiscard]] SIZE outer_size(int width, int height, DWORD style, UINT dpi);
