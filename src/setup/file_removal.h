// Deleting what is left of an installation: single files, and a folder tree file by file with
// a question before each file the installation did not list.
#pragma once

#include <string>

#include "setup/setup_context.h"
#include "setup/setup_edge.h"

namespace mogura {

// Success when nothing of that name exists or it was deleted; otherwise the failure is told
// to the user ("... skipped, going on").
bool DeleteIfPresent(SetupEdge& edge, const std::string& path);

// Removes the tree below `folder` (ending in a backslash) and the folder itself. Help index
// files (extension "gid", the text after the first dot, any case) go without a question;
// every other file is asked about: Yes deletes it, No keeps it, Cancel stops at once with
// failure. A subfolder that cannot be removed stops the walk with failure. A link (symbolic
// link, junction, mount point), the folder itself included, is never entered: it is asked
// about as a file is, and Yes removes the link alone. A drive root is never walked.
bool RemoveFolderTree(SetupEdge& edge, const SetupContext& context, const std::string& folder);

}  // namespace mogura
