// The baseline for the Windows program's start-up: the smallest Win32 window
// with the same nine controls (three Edit, two Button, four Static) and
// nothing else.
#include <windows.h>

#include <algorithm>
#include <iterator>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/, int show) {
  WNDCLASSW form{};
  form.lpfnWndProc = procedure;
  form.hInstance = instance;
  form.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  form.lpszClassName = L"Bare";
  RegisterClassW(&form);
  HWND window = CreateWindowW(L"Bare", L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                              748, 133, nullptr, nullptr, instance, nullptr);
  const struct {
    const wchar_t *kind;
    int left, top, width, height;
  } controls[] = {
      {L"Edit", 4, 8, 121, 25},      {L"Edit", 132, 8, 121, 25},    {L"Edit", 260, 8, 121, 25},
      {L"Button", 388, 8, 233, 57},  {L"Button", 632, 8, 93, 57},   {L"Static", 4, 40, 121, 17},
      {L"Static", 132, 40, 121, 17}, {L"Static", 260, 40, 121, 17}, {L"Static", 4, 72, 120, 17},
  };
  const bool made = std::all_of(std::begin(controls), std::end(controls), [&](const auto &control) {
    return CreateWindowW(control.kind, L"1", WS_CHILD | WS_VISIBLE, control.left, control.top,
                         control.width, control.height, window, nullptr, instance,
                         nullptr) != nullptr;
  });
  if (!made) {
    return 1;
  }
  ShowWindow(window, show);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
