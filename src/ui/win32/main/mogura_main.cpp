// mogura.exe: the program a user runs. It takes no command-line arguments.
#include <windows.h>

#include "ui/win32/ccw_win_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  mogura::win32::CMoguraApp app;
  app.StartUp();
  return 0;
}
