// Copying one file of the product into the installation folder.
#pragma once

#include "setup/setup_edge.h"
#include "setup/setup_info.h"

namespace mogura {

// Makes the subfolders the destination names (one level per backslash, from the left), then
// copies the source over the target and clears its attributes (a read-only flag from the
// medium); new folders are protected as the installation folder is. An entry that would leave
// the installation folder, or reach its target through a link (the installation folder, a
// folder on the way or the target itself), is refused. Every failure is told to the user; an
// existing target that could not be replaced counts as copied.
bool CopyInstallFile(SetupEdge& edge, const FileEntry& entry);

}  // namespace mogura
