#include "window/win32/form1.h"

#include "calculation/area_command.h"
#include "runtime/error.h"
#include "runtime/error_report.h"
#include "window/win32/announce.h"
#include "window/win32/newer_windows.h"
#include "window/win32/result_box.h"
#include "window/win32/text.h"

#include <algorithm>
#include <numeric>

namespace {

using form1::Kind;

constexpr const wchar_t *class_name = L"Form1";
constexpr DWORD window_style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Enter in a box presses the button with this identifier.
constexpr int area_button_id = IDOK;
constexpr int first_control_id = 100;
// Ctrl+Shift+C: copies the whole result from anywhere in the window.
constexpr WORD copy_result_command = 200;
constexpr int box_length = 32767;

HWND the_window = nullptr;
HACCEL shortcuts = nullptr;

int id_of(std::size_t index) {
  return form1::controls[index].name == "Command2" ? area_button_id
                                                   : first_control_id + static_cast<int>(index);
}

// The result label, whose text the user may select and copy.
bool is_result(const form1::Control &control) { return control.name == "Label4"; }

const wchar_t *class_of(const form1::Control &control) {
  if (is_result(control)) {
    return result_box_class;
  }
  switch (control.kind) {
  case Kind::TextBox:
    return L"Edit";
  case Kind::CommandButton:
    return L"Button";
  case Kind::Label:
    break;
  }
  return L"Static";
}

DWORD style_of(const form1::Control &control) {
  if (is_result(control)) {
    return result_box_style;
  }
  constexpr DWORD child = WS_CHILD | WS_VISIBLE;
  switch (control.kind) {
  case Kind::TextBox:
    return child | WS_TABSTOP | ES_AUTOHSCROLL;
  case Kind::CommandButton:
    return child | WS_TABSTOP | BS_PUSHBUTTON;
  case Kind::Label:
    break;
  }
  // Wraps a word wider than the label, as a caption's number is, like an
  // edit control does.
  return child | SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL;
}

bool high_contrast() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

} // namespace

bool Form1::open(HINSTANCE instance, int show) {
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = procedure;
  form.hInstance = instance;
  form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  form.hIconSm = form.hIcon;
  form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  form.lpszClassName = class_name;
  if (RegisterClassExW(&form) == 0) {
    return false;
  }
  ACCEL copy{FVIRTKEY | FCONTROL | FSHIFT, 'C', copy_result_command};
  shortcuts = CreateAcceleratorTableW(&copy, 1);
  const std::wstring title = wide_of(form1::title);
  the_window =
      CreateWindowExW(0, class_name, title.c_str(), window_style, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  if (the_window == nullptr) {
    return false;
  }
  ShowWindow(the_window, show);
  return true;
}

bool Form1::handles_keys(MSG &message) {
  return the_window != nullptr && (TranslateAcceleratorW(the_window, shortcuts, &message) != 0 ||
                                   IsDialogMessageW(the_window, &message) != FALSE);
}

LRESULT CALLBACK Form1::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new Form1(window)));
  }
  auto *form = reinterpret_cast<Form1 *>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  const LRESULT result = form->handle(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete form;
  }
  return result;
}

LRESULT Form1::handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
  case WM_CREATE:
    dpi_ = dpi_of(window_);
    create_controls();
    use_font();
    lay_out();
    return 0;
  case WM_COMMAND:
    if (LOWORD(wparam) == copy_result_command) {
      copy_result(control("Label4"));
    } else if (HIWORD(wparam) == BN_CLICKED) {
      if (LOWORD(wparam) == area_button_id) {
        Command2_Click();
      } else if (reinterpret_cast<HWND>(lparam) == control("Command1")) {
        Command1_Click();
      }
    }
    return 0;
  case WM_CTLCOLORSTATIC:
    return colour_static(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
  case WM_DPICHANGED: {
    dpi_ = HIWORD(wparam);
    const auto *suggested = reinterpret_cast<const RECT *>(lparam);
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    use_font();
    lay_out();
    return 0;
  }
  case WM_SETTINGCHANGE:
  case WM_SYSCOLORCHANGE:
    // The message font, the high-contrast switch or the colours may have changed.
    use_font();
    lay_out();
    InvalidateRect(window_, nullptr, TRUE);
    return 0;
  case WM_ACTIVATE:
    if (LOWORD(wparam) == WA_INACTIVE) {
      last_focus_ = GetFocus();
    }
    return 0;
  case WM_SETFOCUS:
    SetFocus(last_focus_ != nullptr ? last_focus_ : control("Command2"));
    return 0;
  case WM_DESTROY:
    the_window = nullptr;
    PostQuitMessage(0);
    return 0;
  case WM_NCDESTROY:
    if (font_ != nullptr) {
      DeleteObject(font_);
    }
    break;
  default:
    break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

// In tab-index order: the order of creation is the order Tab follows.
void Form1::create_controls() {
  std::array<std::size_t, form1::controls.size()> order{};
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::ranges::sort(order, {}, [](std::size_t index) { return form1::controls[index].tab_index; });
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
  for (const std::size_t index : order) {
    const form1::Control &stored = form1::controls[index];
    const std::wstring caption = wide_of(stored.caption);
    controls_[index] = CreateWindowExW(
        stored.kind == Kind::TextBox ? WS_EX_CLIENTEDGE : 0, class_of(stored), caption.c_str(),
        style_of(stored), 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_of(index))), instance, nullptr);
    if (stored.kind == Kind::TextBox) {
      SendMessageW(controls_[index], EM_SETLIMITTEXT, box_length, 0);
    }
    if (is_result(stored)) {
      make_result_box(controls_[index]);
      present_as_label(controls_[index], caption);
    }
  }
  last_focus_ = control("Command2");
  SetFocus(last_focus_);
}

// The system's message font at the window's DPI.
void Form1::use_font() {
  LOGFONTW message{};
  if (!message_font(message, dpi_)) {
    return;
  }
  HFONT font = CreateFontIndirectW(&message);
  if (font == nullptr) {
    return;
  }
  for (HWND each : controls_) {
    SendMessageW(each, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  if (font_ != nullptr) {
    DeleteObject(font_);
  }
  font_ = font;
}

int Form1::pixels(int twips) const {
  return MulDiv(twips, static_cast<int>(dpi_), form1::twips_per_inch);
}

HWND Form1::control(std::string_view name) const {
  for (std::size_t index = 0; index < form1::controls.size(); ++index) {
    if (form1::controls[index].name == name) {
      return controls_[index];
    }
  }
  return nullptr;
}

void Form1::lay_out() {
  for (std::size_t index = 0; index < form1::controls.size(); ++index) {
    const form1::Rect &place = form1::controls[index].place;
    MoveWindow(controls_[index], pixels(place.left), pixels(place.top), pixels(place.width),
               pixels(place.height), TRUE);
  }
  fit_result_label();
}

// As on Linux: the result label takes the row under the boxes, the window
// widens for a wider caption as far as the screen allows, and beyond that the
// caption goes on over further lines and the window grows downwards.
void Form1::fit_result_label() {
  const form1::Rect &stored = form1::control("Label4").place;
  HWND label = control("Label4");
  const int margin = pixels(stored.left);
  const int client_width = pixels(form1::client_width);
  const int client_height = pixels(form1::client_height);

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT &work = monitor.rcWork;
  const SIZE frame = outer_size(0, 0, window_style, dpi_);
  const auto room_width = static_cast<int>(work.right - work.left - frame.cx);
  const auto room_height = static_cast<int>(work.bottom - work.top - frame.cy);

  const std::wstring caption = window_text(label);
  HDC dc = GetDC(label);
  const HGDIOBJ before = SelectObject(dc, font_);
  SIZE extent{};
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
  TEXTMETRICW font{};
  GetTextMetricsW(dc, &font);
  SelectObject(dc, before);
  ReleaseDC(label, dc);
  const int width = std::clamp(margin + static_cast<int>(extent.cx) + margin, client_width,
                               std::max(client_width, room_width));

  // As high as the lines the box itself breaks the caption into at that width.
  SetWindowPos(label, nullptr, 0, 0, width - 2 * margin, pixels(stored.height),
               SWP_NOMOVE | SWP_NOZORDER);
  const auto lines = static_cast<int>(SendMessageW(label, EM_GETLINECOUNT, 0, 0));
  const int label_height = std::max(lines * static_cast<int>(font.tmHeight), pixels(stored.height));
  SetWindowPos(label, nullptr, 0, 0, width - 2 * margin, label_height, SWP_NOMOVE | SWP_NOZORDER);
  const int height = std::min(client_height + label_height - pixels(stored.height),
                              std::max(client_height, room_height));
  const SIZE outer = outer_size(width, height, window_style, dpi_);
  SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  // A window grown past the screen's edge is moved back onto it.
  RECT now{};
  GetWindowRect(window_, &now);
  const LONG left = now.left - std::max<LONG>(0, now.right - work.right);
  const LONG top = now.top - std::max<LONG>(0, now.bottom - work.bottom);
  if (left != now.left || top != now.top) {
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// Blue captions and a red result; in high contrast, the system's colours.
LRESULT Form1::colour_static(HDC dc, HWND label) const {
  if (high_contrast()) {
    return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(label));
  }
  for (std::size_t index = 0; index < form1::controls.size(); ++index) {
    if (controls_[index] == label && form1::controls[index].colour != form1::default_colour) {
      // A colour value as stored is a COLORREF.
      SetTextColor(dc, form1::controls[index].colour);
    }
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// End: the program ends at once, asking nothing.
void Form1::Command1_Click() { DestroyWindow(window_); }

void Form1::Command2_Click() {
  const std::string separator = user_decimal_separator();
  try {
    const std::string caption = calculation::area_command(
        utf8_of(window_text(control("Text1"))), utf8_of(window_text(control("Text2"))),
        utf8_of(window_text(control("Text3"))), separator);
    HWND label = control("Label4");
    SetWindowTextW(label, wide_of(caption).c_str());
    fit_result_label();
    announce_result(label, wide_of(calculation::spoken_caption(caption, separator)));
  } catch (const runtime::Error &error) {
    const auto report = runtime::report_of(error);
    MessageBoxW(window_, wide_of(report.text).c_str(), wide_of(report.title).c_str(),
                MB_OK | MB_ICONERROR);
  }
}
