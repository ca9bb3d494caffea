#include "window/win32/newer_windows.h"

#include <shellscalingapi.h>

#include <string>

namespace {

// A function of a system DLL, or null where this Windows lacks it.
template <typename Function> Function newer_function(const wchar_t *dll, const char *name) {
  HMODULE module = GetModuleHandleW(dll);
  if (module == nullptr) {
    // Loaded from the system's folder only, never from beside the program.
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
      return nullptr;
    }
    path.resize(length);
    module = LoadLibraryW((path + L"\\" + dll).c_str());
    if (module == nullptr) {
      return nullptr;
    }
  }
  // Through the type that GCC lets stand for any function.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

UINT system_dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

} // namespace

UINT dpi_of(HWND window) {
  // Windows 10 1607 and later.
  using ForWindow = UINT(WINAPI *)(HWND);
  static const auto for_window = newer_function<ForWindow>(L"user32.dll", "GetDpiForWindow");
  if (for_window != nullptr) {
    return for_window(window);
  }
  // Windows 8.1, and 10 before 1607.
  using ForMonitor = HRESULT(WINAPI *)(HMONITOR, MONITOR_DPI_TYPE, UINT *, UINT *);
  static const auto for_monitor = newer_function<ForMonitor>(L"shcore.dll", "GetDpiForMonitor");
  UINT dpi_x = 0;
  UINT dpi_y = 0;
  if (for_monitor != nullptr &&
      SUCCEEDED(for_monitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE_DPI,
                            &dpi_x, &dpi_y))) {
    return dpi_y;
  }
  // Windows 7: one DPI for every monitor.
  return system_dpi();
}

bool message_font(LOGFONTW &font, UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  // Windows 10 1607 and later.
  using ForDpi = BOOL(WINAPI *)(UINT, UINT, PVOID, UINT, UINT);
  static const auto for_dpi = newer_function<ForDpi>(L"user32.dll", "SystemParametersInfoForDpi");
  if (for_dpi != nullptr) {
    if (for_dpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi) == FALSE) {
      return false;
    }
    font = metrics.lfMessageFont;
    return true;
  }
  // Before: the font at the system's DPI, scaled to the monitor's.
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) == FALSE) {
    return false;
  }
  font = metrics.lfMessageFont;
  font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(system_dpi()));
  return true;
}

SIZE outer_size(int width, int height, DWORD style, UINT dpi) {
  RECT frame{0, 0, width, height};
  // Windows 10 1607 and later.
  using ForDpi = BOOL(WINAPI *)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto for_dpi = newer_function<ForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (for_dpi != nullptr) {
    for_dpi(&frame, style, FALSE, 0, dpi);
  } else {
    // Before: Windows draws every frame at the system's DPI.
    AdjustWindowRectEx(&frame, style, FALSE, 0);
  }
  return {frame.right - frame.left, frame.bottom - frame.top};
}
