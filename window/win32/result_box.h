#pragma once

#include <windows.h>

// The result label as a read-only edit control without a frame: it looks as
// a label does, and the mouse selects in it for Ctrl+C. Its context menu
// copies the whole result or selects it all. It is not in the Tab order.
inline constexpr const wchar_t *result_box_class = L"Edit";
inline constexpr DWORD result_box_style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY;

// Gives a result box, once created, its context menu and its label's look.
void make_result_box(HWND box);

// Puts the whole result on the clipboard, in one line as it is shown.
void copy_result(HWND box);
