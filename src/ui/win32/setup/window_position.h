// Placing the setup program's windows.
#pragma once

#include <windows.h>

namespace mogura::win32 {

// Moves `window` to the middle of the work area of the screen it is on.
void CentreOnScreen(HWND window);

}  // namespace mogura::win32
