// setup.exe: installs the product its information file names, and removes it again.
//   setup          the installation wizard
//   setup /r       the start of the removal (the uninstall entry's command)
//   setup x PATH   the removal proper, run by a temporary copy (PATH: the installed setup.exe)
#include <windows.h>

#include "platform/win32/wide.h"
#include "setup/removal_start.h"
#include "setup/setup_start.h"
#include "ui/win32/dialog.h"
#include "ui/win32/setup/install_wizard_view.h"
#include "platform/win32/win32_processes.h"
#include "ui/win32/setup/removal_dialog_view.h"
#include "platform/win32/win32_setup_edge.h"

namespace {

// The installed program that started the removal copy ends at once; it is deleted later.
constexpr unsigned kParentEndTimeoutMs = 30000;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Elevated, and started from wherever the distribution was unpacked (a downloads folder that
  // anyone may write to): libraries are loaded from the system folder only, never from ours.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  using namespace mogura;
  win32::InitDialogControls();
  win32::Win32SetupEdge setup;
  const std::string commandLine = win32::FromWide(GetCommandLineW());
  SetupCommand command;
  SetupContext context;
  if (!PrepareSetup(setup.edge, ArgumentsAfterProgramName(commandLine), &command, &context)) return 1;
  switch (command.mode) {
    case SetupMode::Install:
      return win32::RunInstallWizard(setup, context) ? 0 : 1;
    case SetupMode::StartRemoval:
      return StartRemoval(setup.edge, context) ? 0 : 1;
    case SetupMode::Remove:
      win32::WaitForParentProgram(command.path, kParentEndTimeoutMs);
      win32::RunRemovalDialog(setup, context);
      return 0;
  }
  return 1;
}
