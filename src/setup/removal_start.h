// The start of the removal (mode "r"): the question, then a temporary copy of the setup
// program in the system folder that removes the installation, so that the installed program
// can be deleted.
#pragma once

#include <string>
#include <string_view>

#include "setup/setup_context.h"
#include "setup/setup_edge.h"

namespace mogura {

// The name of the k-th candidate for the temporary copy: the setup program's name with
// "-<folder>-<k>" before its extension ("setup-mogura-1.exe").
std::string RemoverCopyName(std::string_view setupFileName, std::string_view folder, unsigned k);

// Asks (OK/Cancel); on OK copies the running program into the system folder under the first
// candidate name that is free (never over a file that is there) and starts it in the system
// folder with "x" and the installed program's path. False when the user cancelled or the
// copy could not be made or started (that is told to the user). The program then ends.
bool StartRemoval(SetupEdge& edge, const SetupContext& context);

}  // namespace mogura
