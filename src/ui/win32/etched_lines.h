// Thin etched horizontal lines that separate parts of a dialog, placed relative to a control
// in 96-DPI pixels and drawn in the window's paint.
#pragma once

#include <windows.h>

#include <vector>

namespace mogura::win32 {

struct EtchedLine {
  int anchor;  // the control the line is placed by
  // Pixels (at 96 DPI) below the anchor's bottom; a negative value: above its top.
  int gap;
  // True: as wide as the anchor. False: across the window, 5 pixels in from each side.
  bool anchorWidth = false;
};

// Paints the window's lines (call for WM_PAINT: it validates the window).
void PaintEtchedLines(HWND window, const std::vector<EtchedLine>& lines);

}  // namespace mogura::win32
