// Deleting a file at the next start of the system: the temporary copy of the setup program
// cannot delete itself while it runs.
#pragma once

#include <string>

#include "setup/setup_edge.h"

namespace mogura {

// Asks the system; when it refuses, adds "NUL=<short path>" to the rename list of WININIT.INI
// in the Windows folder (rename_list.h). False when neither was done.
bool DeleteOnRestart(SetupEdge& edge, const std::string& path);

}  // namespace mogura
