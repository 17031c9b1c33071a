// The start of every setup process: the command line, the paths derived from it and the
// information file, ready for the mode's own work. A program's main function then does:
//   PrepareSetup(edge, arguments, &command, &context) — false: end;
//   Install:      the wizard over InstallWizard (pages 1 and 2) and CopyDriver (page 3);
//   StartRemoval: StartRemoval(edge, context), then end;
//   Remove:       the dialog over RemovalDialog, then RemovalDialog::finish(), then end.
#pragma once

#include <string_view>

#include "setup/command_line.h"
#include "setup/setup_context.h"
#include "setup/setup_edge.h"

namespace mogura {

// Fills `context` from the path the mode names (the running program, or for Remove the
// installed setup program given on the command line) and the information file beside it.
// Install then works in the setup program's folder; Remove takes that folder as the
// installation folder. Both removal modes go on only when the uninstall entry names that
// setup program; otherwise a message sends the user to the Control Panel. False when the
// information file cannot be used or the removal is refused (its message has been shown):
// the program then ends.
bool PrepareSetup(SetupEdge& edge, std::string_view arguments, SetupCommand* command, SetupContext* context);

}  // namespace mogura
