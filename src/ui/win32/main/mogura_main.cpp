// mogura.exe: the program a user runs. It takes no command-line arguments.
#include <windows.h>

#include "ui/win32/ccw_win_app.h"
#include "platform/win32/com_ptr.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The shell's folder browser and its "open" need the component library on this thread, as
  // a single-threaded apartment, for as long as the program runs.
  mogura::win32::ComSession com;
  mogura::win32::CMoguraApp app;
  app.StartUp();
  return 0;
}
