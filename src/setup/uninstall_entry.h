// The uninstall entry the installer writes and the removal deletes (see registry_removal.h).
#pragma once

#include <string>
#include <string_view>

#include "setup/setup_context.h"
#include "setup/setup_edge.h"

namespace mogura {

// Below local machine: "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + folder.
std::string UninstallKeyPath(std::string_view folder);

// The command the system runs to remove the product: the installed setup program, quoted, "/r".
std::string UninstallCommand(const SetupContext& context);

// Sets "DisplayName" and "UninstallString"; false when the key cannot be made or a value not
// written (nothing is told to the user: registry failures are silent).
bool WriteUninstallEntry(SetupEdge& edge, const SetupContext& context);

// True when the uninstall entry of the context's folder starts the setup program the context
// was derived from (setupFolder + setupFileName): only that one removes the installation.
bool IsInstalledSetup(SetupEdge& edge, const SetupContext& context);

// Deletes the uninstall key with everything below it.
void RemoveUninstallEntry(SetupEdge& edge, const SetupContext& context);

}  // namespace mogura
