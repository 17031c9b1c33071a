// Links (symbolic links, junctions, mount points) inside the installation folder name things
// elsewhere: the copy never writes through one, and the removal never deletes through one.
#pragma once

#include <string_view>

#include "platform/files.h"

namespace mogura {

// True when `folder` (ending in a backslash), a folder between it and `path`, or `path` itself
// is a link. `path` lies below `folder`; levels that do not exist are no links.
bool PassesThroughLink(FileSystem& files, std::string_view folder, std::string_view path);

}  // namespace mogura
