#include "setup/folder_creation.h"

#include "base/cp932.h"
#include "base/string_table.h"
#include "setup/setup_paths.h"
#include "setup/setup_text.h"

namespace mogura {

bool CreateFolderLevel(SetupEdge& edge, std::string_view path) {
  if (IsDriveRoot(path)) return true;
  const std::string folder(WithoutTrailingBackslash(path));
  if (edge.files.exists(folder)) {
    if (edge.files.isDirectory(folder)) return true;
    ShowError(edge.boxes, Concat({folder, LoadText(IDS_SETUP_FILE_IN_THE_WAY)}));
    return false;
  }
  if (edge.files.createFolder(folder)) return true;
  ShowError(edge.boxes, Concat({folder, LoadText(IDS_SETUP_FOLDER_NOT_CREATED)}));
  return false;
}

bool CreateFolderChain(SetupEdge& edge, std::string_view path) {
  if (!StartsWithDriveRoot(path)) return CreateFolderLevel(edge, path);
  for (std::size_t end = FindCharDbcs(path, '\\', 3); end != std::string_view::npos;
       end = FindCharDbcs(path, '\\', end + 1)) {
    if (!CreateFolderLevel(edge, path.substr(0, end + 1))) return false;
  }
  return true;
}

}  // namespace mogura
