#pragma once

#include "window/form1_description.h"

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

// The program's only window as native controls: the stored form's text boxes
// are Edit, its buttons Button and its labels Static child windows, but for
// the result label, a read-only Edit that looks like one.
class Form1 {
public:
  // Registers the window class and shows the window; false if it could not.
  static bool open(HINSTANCE instance, int show);
  // Runs the window's shortcut, or hands the dialog keys (Tab, Enter, Space)
  // to the controls; false for a message that is neither.
  static bool handles_keys(MSG &message);

private:
  explicit Form1(HWND window) : window_(window) {}
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);

  void create_controls();
  void lay_out();
  void fit_result_label();
  void use_font();
  [[nodiscard]] int pixels(int twips) const;
  [[nodiscard]] HWND control(std::string_view name) const;
  [[nodiscard]] LRESULT colour_static(HDC dc, HWND label) const;

  void Command1_Click();
  void Command2_Click();

  HWND window_;
  std::array<HWND, form1::controls.size()> controls_{};
  HFONT font_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  HWND last_focus_ = nullptr;
};
