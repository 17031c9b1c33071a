// Hand-placed pixels are given at 96 DPI and scaled with the window's DPI.
#pragma once

#include <windows.h>

namespace mogura::win32 {

// The DPI of `window` (of the system when the platform cannot tell per window).
UINT WindowDpi(HWND window);
// `pixels` at 96 DPI, scaled for `window`.
int Scale(HWND window, int pixels);

// Draws a thin etched horizontal line from `left` to `right` with its top at `y`.
void DrawEtchedLine(HDC dc, int left, int right, int y);

}  // namespace mogura::win32
