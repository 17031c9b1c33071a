// The removal dialog of the temporary setup copy, over RemovalDialog.
#pragma once

#include "setup/setup_context.h"
#include "platform/win32/win32_setup_edge.h"

namespace mogura::win32 {

// Shows the dialog, which runs the removal once and shows its outcome; afterwards the copy
// is deleted at the next restart.
void RunRemovalDialog(Win32SetupEdge& setup, SetupContext& context);

}  // namespace mogura::win32
