// Creating the installation folder and the folders below it, one level at a time; each failure
// is told to the user.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "setup/setup_edge.h"

namespace mogura {

// How a folder that does not exist yet is made: the installation's own folders are protected
// as the program-files folder is (the removal later trusts what they hold and runs the setup
// program in them with administrator rights); a folder in the user's own menus is not.
enum class NewFolder { Plain, Protected };

// `path` ends in a backslash. A drive root succeeds at once; a folder of that name that exists
// already counts as made; anything else of that name, or a failed creation, is a failure with
// its message. `*made` (when given) tells whether this call created the folder.
bool CreateFolderLevel(SetupEdge& edge, std::string_view path, NewFolder kind, bool* made = nullptr);

// Every level of the installation path `path` (ending in a backslash) from the first one after
// the drive root down to the whole path, each new one protected; a path without a drive root
// is made as one level. Stops at the first failure. `*made` (when given) receives the folders
// this call created, without their backslash, from the top down.
bool CreateFolderChain(SetupEdge& edge, std::string_view path, std::vector<std::string>* made = nullptr);

}  // namespace mogura
