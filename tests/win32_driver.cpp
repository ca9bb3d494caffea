// Drives the Windows program through window messages and input: starts it,
// finds its window and controls, types sides, presses the button and Enter,
// reads the result, takes it away by mouse, menu and shortcut through the
// clipboard, answers the error box, and ends the program.
//
// usage: win32_driver PROGRAM SEPARATOR END   (END: exit or close)

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

int passed = 0;
int failed = 0;

// UTF-8 on standard output, whatever the console's code page.
void say(const std::wstring &line) {
  const std::wstring text = line + L"\n";
  std::string bytes(text.size() * 4, '\0');
  bytes.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                          static_cast<int>(bytes.size()), nullptr, nullptr)));
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

void check(bool ok, const std::wstring &what) {
  ++(ok ? passed : failed);
  say((ok ? L"ok: " : L"FAIL: ") + what);
}

// By message: for another process's Edit, Wine's GetWindowTextLength says 0.
std::wstring text_of(HWND window) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1,
                    L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

std::wstring class_of(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

template <typename Probe> auto wait_for(Probe probe) {
  for (int tries = 0; tries < 400; ++tries) {
    if (auto found = probe()) {
      return found;
    }
    Sleep(50);
  }
  return decltype(probe()){};
}

struct Form {
  HWND window = nullptr;
  std::vector<HWND> boxes;
  HWND area_button = nullptr;
  HWND exit_button = nullptr;
  HWND result = nullptr;
};

// A child window, sorted into the form: an EnumChildWindows callback, so of
// Windows' calling convention.
BOOL CALLBACK collect_control(HWND child, LPARAM found) {
  auto &collected = *reinterpret_cast<Form *>(found);
  const std::wstring kind = class_of(child);
  const std::wstring text = text_of(child);
  const bool read_only = (GetWindowLongW(child, GWL_STYLE) & ES_READONLY) != 0;
  if (kind == L"Edit" && read_only && text == L"Результат вычислений") {
    collected.result = child;
  } else if (kind == L"Edit") {
    collected.boxes.push_back(child);
  } else if (kind == L"Button") {
    (text == L"Exit" ? collected.exit_button : collected.area_button) = child;
  }
  return TRUE;
}

Form children_of(HWND window) {
  Form form;
  form.window = window;
  // Children come in creation order, which is the order of the tab indexes.
  EnumChildWindows(window, collect_control, reinterpret_cast<LPARAM>(&form));
  return form;
}

// The program's window once it has all its controls.
Form find_form(DWORD process) {
  Form form;
  wait_for([process, &form] {
    HWND window = FindWindowW(L"Form1", L"Form1");
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (window == nullptr || owner != process) {
      return false;
    }
    form = children_of(window);
    return form.boxes.size() == 3 && form.area_button != nullptr && form.exit_button != nullptr &&
           form.result != nullptr;
  });
  return form;
}

void enter_sides(const Form &form, const std::vector<std::wstring> &sides) {
  for (std::size_t index = 0; index < sides.size(); ++index) {
    SendMessageW(form.boxes[index], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(sides[index].c_str()));
  }
}

bool shows(const Form &form, const std::wstring &caption) {
  return wait_for([&] { return text_of(form.result) == caption; });
}

// Empties the clipboard; its sequence number afterwards.
DWORD empty_clipboard() {
  if (OpenClipboard(nullptr) != FALSE) {
    EmptyClipboard();
    CloseClipboard();
  }
  return GetClipboardSequenceNumber();
}

std::wstring clipboard_text() {
  std::wstring text;
  if (OpenClipboard(nullptr) != FALSE) {
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      if (const auto *characters = static_cast<const wchar_t *>(GlobalLock(data))) {
        text = characters;
        GlobalUnlock(data);
      }
    }
    CloseClipboard();
  }
  return text;
}

// Waits for the program to change the clipboard before opening it: while it
// is open here, the program cannot open it.
bool clipboard_holds(DWORD emptied, const std::wstring &expected) {
  return wait_for([emptied] { return GetClipboardSequenceNumber() != emptied; }) &&
         wait_for([&] { return clipboard_text() == expected; });
}

// The keys pressed in this order and let go in the other, as typed.
void press(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (const WORD key : keys) {
    inputs.push_back({});
    inputs.back().type = INPUT_KEYBOARD;
    inputs.back().ki.wVk = key;
  }
  for (auto key = keys.end(); key != keys.begin();) {
    inputs.push_back({});
    inputs.back().type = INPUT_KEYBOARD;
    inputs.back().ki.wVk = *--key;
    inputs.back().ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The mouse to a point of the screen, with `buttons` going down or up there.
void mouse(POINT at, DWORD buttons = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
  SendInput(1, &input, sizeof input);
  // Under Wine the X server moves the pointer too: once it is there, no late
  // motion from it can come after the next step.
  wait_for([at] {
    POINT now{};
    return GetCursorPos(&now) != FALSE && std::abs(now.x - at.x) <= 1 &&
           std::abs(now.y - at.y) <= 1;
  });
  Sleep(50);
}

void click(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  const POINT middle{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
  mouse(middle, MOUSEEVENTF_LEFTDOWN);
  mouse(middle, MOUSEEVENTF_LEFTUP);
}

bool has_focus(DWORD thread, HWND control) {
  return wait_for([&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) != FALSE && info.hwndFocus == control;
  });
}

// The result on the clipboard as the user takes it away: selected with the
// mouse from its first letter to past its last and copied with Ctrl+C; by
// Ctrl+Shift+C from another control; by the first line of its context menu.
// Tab leaves the result for the control after it in the Tab order, and
// Escape in it leaves the window be.
void check_taking_away(const Form &form, DWORD thread, const std::wstring &caption) {
  SetForegroundWindow(form.window);
  wait_for([&] { return GetForegroundWindow() == form.window; });
  RECT result{};
  GetWindowRect(form.result, &result);
  DWORD emptied = empty_clipboard();
  mouse({result.left + 1, result.top + 2}, MOUSEEVENTF_LEFTDOWN);
  mouse({result.right - 1, result.bottom - 2});
  mouse({result.right - 1, result.bottom - 2}, MOUSEEVENTF_LEFTUP);
  const auto whole = static_cast<LRESULT>(MAKELONG(0, caption.size()));
  wait_for([&] { return SendMessageW(form.result, EM_GETSEL, 0, 0) == whole; });
  press({VK_CONTROL, 'C'});
  check(clipboard_holds(emptied, caption),
        L"the mouse selects the whole result and Ctrl+C copies it");

  press({VK_ESCAPE});
  press({VK_TAB});
  check(has_focus(thread, form.exit_button) && IsWindow(form.window) != FALSE,
        L"Escape in the result leaves the window be, and Tab goes on to Exit");
  click(form.boxes[2]);
  press({VK_TAB});
  check(has_focus(thread, form.exit_button), L"Tab from Text3 passes the result by");

  emptied = empty_clipboard();
  press({VK_CONTROL, VK_SHIFT, 'C'});
  check(clipboard_holds(emptied, caption), L"Ctrl+Shift+C copies the whole result from Exit");

  emptied = empty_clipboard();
  const POINT inside{result.left + 2, result.top + 2};
  mouse(inside, MOUSEEVENTF_RIGHTDOWN);
  mouse(inside, MOUSEEVENTF_RIGHTUP);
  const bool menu_up = wait_for([] { return FindWindowW(L"#32768", nullptr) != nullptr; });
  press({VK_DOWN});
  press({VK_RETURN});
  check(menu_up && clipboard_holds(emptied, caption), L"the result's context menu copies it whole");
}

// The text of a message box: its static of this identifier.
constexpr int message_box_text = 0xFFFF;

// The program's message box, once it is up with its text.
HWND error_box(DWORD process) {
  return wait_for([process] {
    HWND found = nullptr;
    for (HWND window = FindWindowW(L"#32770", nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, L"#32770", nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      HWND text = GetDlgItem(window, message_box_text);
      if (owner == process && text != nullptr && !text_of(text).empty()) {
        found = window;
      }
    }
    return found;
  });
}

} // namespace

int wmain(int argc, wchar_t **argv) {
  if (argc != 4) {
    say(L"usage: win32_driver PROGRAM SEPARATOR END");
    return 2;
  }
  const std::wstring separator = argv[2];
  const bool end_by_exit = std::wstring(argv[3]) == L"exit";
  std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION program{};
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &program) == FALSE) {
    say(L"cannot start " + std::wstring(argv[1]));
    return 1;
  }
  const Form form = find_form(program.dwProcessId);
  check(form.window != nullptr && form.boxes.size() == 3 && form.area_button != nullptr &&
            form.exit_button != nullptr && form.result != nullptr,
        L"the window Form1 with three Edit boxes, two Buttons and the read-only result Edit");
  if (failed != 0) {
    TerminateProcess(program.hProcess, 1);
    return 1;
  }

  const std::wstring prefix = L"Площадь треугольника= ";
  const struct {
    std::vector<std::wstring> sides;
    std::wstring caption;
  } cases[] = {
      {{L"1", L"1", L"1"}, prefix + separator + L"433"},
      {{L"3", L"4", L"5"}, prefix + L"6" + separator},
      {{L"2", L"3", L"4"}, prefix + L"2" + separator + L"905"},
      {{L"2,5", L"2,5", L"2,5"}, prefix + L"1" + separator + L"732"},
      {{L"1", L"1", L"3"}, L"Треугольника не существует"},
  };
  for (const auto &[sides, caption] : cases) {
    enter_sides(form, sides);
    SendMessageW(form.area_button, BM_CLICK, 0, 0);
    check(shows(form, caption), sides[0] + L", " + sides[1] + L", " + sides[2] + L" -> " + caption);
  }
  enter_sides(form, {L"3", L"4", L"5"});
  SendMessageW(form.area_button, BM_CLICK, 0, 0);
  if (shows(form, prefix + L"6" + separator)) {
    check_taking_away(form, program.dwThreadId, prefix + L"6" + separator);
  }

  // A caption wider than the screen goes on over further lines, all of it on
  // the screen.
  enter_sides(form, {L"1e154", L"1e154", L"1e154"});
  SendMessageW(form.area_button, BM_CLICK, 0, 0);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT window{};
  GetWindowRect(form.window, &window);
  RECT client{};
  GetClientRect(form.window, &client);
  RECT label{};
  GetWindowRect(form.result, &label);
  MapWindowPoints(nullptr, form.window, reinterpret_cast<POINT *>(&label), 2);
  check(text_of(form.result).size() == 22 + 308 + 1 + 3 && window.left >= work.left &&
            window.right <= work.right && window.bottom <= work.bottom &&
            label.bottom <= client.bottom && label.bottom - label.top > 2 * 17,
        L"the area of sides 1e154 is shown whole, over further lines, on the screen");
  check_taking_away(form, program.dwThreadId, text_of(form.result));

  // Enter in a box runs the area command.
  enter_sides(form, {L"5", L"5", L"8"});
  PostMessageW(form.boxes[2], WM_KEYDOWN, VK_RETURN, 1);
  // Released, and down before: the key-up flags, in a 32-bit LPARAM as well.
  PostMessageW(form.boxes[2], WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC0000001U));
  check(shows(form, prefix + L"12" + separator), L"Enter in a box shows the area of 5, 5, 8");

  // An error is reported in a box; the window and its result live on.
  const std::wstring before = text_of(form.result);
  enter_sides(form, {L"1e400", L"1", L"1"});
  PostMessageW(form.area_button, BM_CLICK, 0, 0);
  HWND box = error_box(program.dwProcessId);
  const std::wstring message = box != nullptr ? text_of(GetDlgItem(box, message_box_text)) : L"";
  check(message == L"Ошибка выполнения 6:\nПереполнение", L"the error box says «" + message + L"»");
  if (box != nullptr) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
  check(wait_for([box] { return IsWindow(box) == FALSE; }) && IsWindow(form.window) != FALSE &&
            text_of(form.result) == before,
        L"after the error box the window lives on with its result");

  if (end_by_exit) {
    PostMessageW(form.exit_button, BM_CLICK, 0, 0);
  } else {
    PostMessageW(form.window, WM_CLOSE, 0, 0);
  }
  DWORD status = STILL_ACTIVE;
  if (WaitForSingleObject(program.hProcess, 10000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(program.hProcess, &status);
  }
  check(status == 0, std::wstring(end_by_exit ? L"Exit" : L"closing the window") +
                         L" ends the program with status " + std::to_wstring(status));
  CloseHandle(program.hThread);
  CloseHandle(program.hProcess);
  say(std::to_wstring(passed) + L" passed, " + std::to_wstring(failed) + L" failed");
  return failed == 0 ? 0 : 1;
}
