#include "setup/file_removal.h"

#include <vector>

#include "base/cp932.h"
#include "base/string_table.h"
#include "setup/setup_paths.h"
#include "setup/setup_text.h"

namespace mogura {
namespace {

bool IsHelpIndex(const std::string& name) {
  const std::size_t dot = FindCharDbcs(name, '.');
  return dot != std::string::npos && EqualsNoCase(std::string_view(name).substr(dot + 1), "gid");
}

}  // namespace

bool DeleteIfPresent(SetupEdge& edge, const std::string& path) {
  if (!edge.files.exists(path) || edge.files.removeFile(path)) return true;
  ShowError(edge.boxes, Concat({path, LoadText(IDS_SETUP_DELETE_SKIPPED)}));
  return false;
}

bool RemoveFolderTree(SetupEdge& edge, const SetupContext& context, const std::string& folder) {
  if (!StartsWithDriveRoot(folder) || IsDriveRoot(folder)) return false;
  bool ok = true;
  std::vector<FolderEntry> entries;
  edge.setupFiles.listFolder(folder, &entries);
  for (const FolderEntry& entry : entries) {
    if (!IsPlainName(entry.name)) continue;  // "." and "..": never up the tree
    const std::string path = folder + entry.name;
    if (entry.isFolder) {
      if (!RemoveFolderTree(edge, context, path + '\\')) return false;
      continue;
    }
    if (!IsHelpIndex(entry.name)) {
      const MessageAnswer answer = edge.boxes.show(Concat({path, LoadText(IDS_SETUP_ASK_DELETE)}), context.title,
                                                   MessageIcon::Question, MessageButtons::YesNoCancel);
      if (answer == MessageAnswer::Cancel) return false;
      if (answer != MessageAnswer::Yes) continue;
    }
    if (!DeleteIfPresent(edge, path)) ok = false;
  }
  const std::string self(WithoutTrailingBackslash(folder));
  if (edge.files.exists(self) && !edge.files.removeFolder(self)) {
    ShowError(edge.boxes, Concat({self, LoadText(IDS_SETUP_FOLDER_NOT_REMOVED)}));
    ok = false;
  }
  return ok;
}

}  // namespace mogura
