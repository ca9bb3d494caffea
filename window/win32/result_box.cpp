#include "window/win32/result_box.h"

#include "window/win32/text.h"

#include <commctrl.h>

#include <cstring>

namespace {

enum Command : UINT { copy_command = 1, select_all_command };

void show_menu(HWND box, LPARAM where) {
  POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  if (where == -1) {
    // From the keyboard: at the result's top left corner.
    RECT place{};
    GetWindowRect(box, &place);
    at = {.x = place.left, .y = place.top};
  }
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) {
    return;
  }
  AppendMenuW(menu, MF_STRING, copy_command, L"Копировать\tCtrl+Shift+C");
  AppendMenuW(menu, MF_STRING, select_all_command, L"Выделить всё");
  const auto chosen = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, box, nullptr));
  DestroyMenu(menu);
  if (chosen == copy_command) {
    copy_result(box);
  } else if (chosen == select_all_command) {
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, -1);
  }
}

LRESULT CALLBACK result_box_procedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR /*id*/, DWORD_PTR /*data*/) {
  switch (message) {
  case WM_SETFONT: {
    const LRESULT result = DefSubclassProc(box, message, wparam, lparam);
    // The text where a label puts it, from the very left.
    SendMessageW(box, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    return result;
  }
  case WM_SETFOCUS: {
    const LRESULT result = DefSubclassProc(box, message, wparam, lparam);
    // Nothing is typed here, so no caret blinks.
    HideCaret(box);
    return result;
  }
  case WM_GETDLGCODE:
    // Tab, Enter and Escape do here what they do in the rest of the window.
    return DefSubclassProc(box, message, wparam, lparam) & ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
  case WM_CONTEXTMENU:
    show_menu(box, lparam);
    return 0;
  case WM_NCDESTROY:
    RemoveWindowSubclass(box, result_box_procedure, 0);
    break;
  default:
    break;
  }
  return DefSubclassProc(box, message, wparam, lparam);
}

// Another program may hold the clipboard open for a moment.
bool open_clipboard(HWND owner) {
  for (int tries = 0; tries < 10; ++tries) {
    if (OpenClipboard(owner) != FALSE) {
      return true;
    }
    Sleep(10);
  }
  return false;
}

} // namespace

void make_result_box(HWND box) { SetWindowSubclass(box, result_box_procedure, 0, 0); }

void copy_result(HWND box) {
  const std::wstring text = window_text(box);
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) {
    return;
  }
  void *target = GlobalLock(memory);
  if (target == nullptr) {
    GlobalFree(memory);
    return;
  }
  std::memcpy(target, text.c_str(), bytes);
  GlobalUnlock(memory);
  if (!open_clipboard(box)) {
    GlobalFree(memory);
    return;
  }
  EmptyClipboard();
  // The clipboard owns the memory once it has taken it; cppcheck holds that
  // it has taken it whatever it answers.
  if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
    // cppcheck-suppress doubleFree
    GlobalFree(memory);
  }
  CloseClipboard();
}
