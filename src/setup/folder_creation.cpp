#include "setup/folder_creation.h"

#include "base/cp932.h"
#include "base/path_parts.h"
#include "base/string_table.h"
#include "setup/setup_paths.h"
#include "setup/setup_text.h"

namespace mogura {

bool CreateFolderLevel(SetupEdge& edge, std::string_view path, NewFolder kind, bool* made) {
  if (made) *made = false;
  if (IsDriveRoot(path)) return true;
  const std::string folder(WithoutTrailingSeparator(path, kBackslash));
  if (edge.files.exists(folder)) {
    if (edge.files.isDirectory(folder)) return true;
    ShowError(edge.ui, Concat({folder, LoadText(IDS_SETUP_FILE_IN_THE_WAY)}));
    return false;
  }
  const bool created = kind == NewFolder::Protected ? edge.files.createProtectedFolder(folder)
                                                    : edge.files.createFolder(folder);
  if (created) {
    if (made) *made = true;
    return true;
  }
  ShowError(edge.ui, Concat({folder, LoadText(IDS_SETUP_FOLDER_NOT_CREATED)}));
  return false;
}

bool CreateFolderChain(SetupEdge& edge, std::string_view path, std::vector<std::string>* made) {
  const auto level = [&](std::string_view levelPath) {
    bool created = false;
    if (!CreateFolderLevel(edge, levelPath, NewFolder::Protected, &created)) return false;
    if (created && made) made->emplace_back(WithoutTrailingSeparator(levelPath, kBackslash));
    return true;
  };
  if (!StartsWithDriveRoot(path)) return level(path);
  for (std::size_t end = FindCharDbcs(path, '\\', 3); end != std::string_view::npos;
       end = FindCharDbcs(path, '\\', end + 1)) {
    if (!level(path.substr(0, end + 1))) return false;
  }
  return true;
}

}  // namespace mogura
