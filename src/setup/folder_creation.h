// Creating the installation folder and the folders below it, one level at a time; each failure
// is told to the user.
#pragma once

#include <string_view>

#include "setup/setup_edge.h"

namespace mogura {

// `path` ends in a backslash. A drive root succeeds at once; a folder of that name that exists
// already counts as made; anything else of that name, or a failed creation, is a failure with
// its message.
bool CreateFolderLevel(SetupEdge& edge, std::string_view path);

// Every level of `path` (ending in a backslash) from the first one after the drive root down
// to the whole path; a path without a drive root is made as one level. Stops at the first failure.
bool CreateFolderChain(SetupEdge& edge, std::string_view path);

}  // namespace mogura
