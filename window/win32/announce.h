#pragma once

#include <windows.h>

#include <string>

// Tells screen readers of a new result in the result label, spoken as
// `spoken`; also when it is the same as the one before.
void announce_result(HWND label, const std::wstring &spoken);
