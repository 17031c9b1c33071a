#include "ui/win32/etched_lines.h"

#include "ui/win32/dpi.h"

namespace mogura::win32 {

void PaintEtchedLines(HWND window, const std::vector<EtchedLine>& lines) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  const int inset = Scale(window, 5);
  for (const EtchedLine& line : lines) {
    RECT anchor;
    GetWindowRect(GetDlgItem(window, line.anchor), &anchor);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&anchor), 2);
    const int y = line.gap >= 0 ? anchor.bottom + Scale(window, line.gap) : anchor.top - Scale(window, -line.gap);
    if (line.anchorWidth) DrawEtchedLine(dc, anchor.left, anchor.right, y);
    else DrawEtchedLine(dc, client.left + inset, client.right - inset, y);
  }
  EndPaint(window, &paint);
}

}  // namespace mogura::win32
