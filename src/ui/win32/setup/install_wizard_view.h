// The installation wizard: a property sheet in wizard mode with the folder page, the options
// page and the copy page, over InstallWizard and CopyDriver.
#pragma once

#include "setup/setup_context.h"
#include "platform/win32/win32_setup_edge.h"

namespace mogura::win32 {

// Runs the wizard; after Finish starts the installed program and opens its document. True
// when the installation was finished.
bool RunInstallWizard(Win32SetupEdge& setup, SetupContext& context);

}  // namespace mogura::win32
