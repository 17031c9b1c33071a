#include "ui/win32/dpi.h"

namespace mogura::win32 {

UINT WindowDpi(HWND window) {
  // GetDpiForWindow exists from Windows 10 1607 on; older systems have one DPI for all.
  using DpiForWindow = UINT(WINAPI*)(HWND);
  static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (dpiForWindow && window) {
    if (const UINT dpi = dpiForWindow(window)) return dpi;
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

int Scale(HWND window, int pixels) { return MulDiv(pixels, static_cast<int>(WindowDpi(window)), 96); }

void DrawEtchedLine(HDC dc, int left, int right, int y) {
  RECT line{left, y, right, y + 2};
  DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

}  // namespace mogura::win32
