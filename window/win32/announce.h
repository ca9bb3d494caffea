#pragma once

#include <windows.h>

#include <string>

// Makes screen readers take the result box for the label it looks like,
// named `caption`, rather than for a box to type in.
void present_as_label(HWND result, const std::wstring &caption);

// Tells screen readers of a new result in the result box, spoken as
// `spoken`; also when it is the same as the one before.
void announce_result(HWND result, const std::wstring &spoken);
