#include "platform/folder_chooser.h"

#include "base/path_parts.h"

namespace mogura {

std::string InitialFolderForBrowser(std::string_view folder) {
  if (folder.empty() || IsDriveRoot(folder)) return std::string(folder);
  return std::string(WithoutTrailingSeparator(folder, '\\'));
}

}  // namespace mogura
