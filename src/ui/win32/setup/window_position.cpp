#include "ui/win32/setup/window_position.h"

namespace mogura::win32 {

void CentreOnScreen(HWND window) {
  RECT frame;
  if (!GetWindowRect(window, &frame)) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
  const RECT& area = monitor.rcWork;
  const int x = area.left + ((area.right - area.left) - (frame.right - frame.left)) / 2;
  const int y = area.top + ((area.bottom - area.top) - (frame.bottom - frame.top)) / 2;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace mogura::win32
