#include "setup/file_removal.h"

#include <optional>
#include <vector>

#include "base/cp932.h"
#include "base/path_parts.h"
#include "base/string_table.h"
#include "setup/setup_paths.h"
#include "setup/setup_text.h"

namespace mogura {
namespace {

bool IsHelpIndex(const std::string& name) {
  const std::size_t dot = FindCharDbcs(name, '.');
  return dot != std::string::npos && EqualsNoCase(std::string_view(name).substr(dot + 1), "gid");
}

MessageAnswer AskDelete(SetupEdge& edge, const SetupContext& context, const std::string& path) {
  return edge.ui.messageBoxWithCaption(Concat({path, LoadText(IDS_SETUP_ASK_DELETE)}), context.title,
                                       MessageIcon::Question, MessageButtons::YesNoCancel,
                                       MessageAnswer::Yes);
}

// A link is asked about as a file is, and Yes removes the link alone: what it points to may
// lie anywhere and is never ours. None on Cancel; otherwise whether it went as asked.
std::optional<bool> RemoveLinkAsked(SetupEdge& edge, const SetupContext& context, const std::string& path) {
  const MessageAnswer answer = AskDelete(edge, context, path);
  if (answer == MessageAnswer::Cancel) return std::nullopt;
  if (answer != MessageAnswer::Yes) return true;
  if (edge.files.removeLink(path)) return true;
  ShowError(edge.ui, Concat({path, LoadText(IDS_SETUP_DELETE_SKIPPED)}));
  return false;
}

}  // namespace

bool DeleteIfPresent(SetupEdge& edge, const std::string& path) {
  if (!edge.files.exists(path) || edge.files.removeFile(path)) return true;
  ShowError(edge.ui, Concat({path, LoadText(IDS_SETUP_DELETE_SKIPPED)}));
  return false;
}

bool RemoveFolderTree(SetupEdge& edge, const SetupContext& context, const std::string& folder) {
  if (!StartsWithDriveRoot(folder) || IsDriveRoot(folder)) return false;
  const std::string self(WithoutTrailingSeparator(folder, kBackslash));
  if (edge.files.isLink(self)) {
    // The folder itself is a link: listing it would list whatever it points to.
    const std::optional<bool> removed = RemoveLinkAsked(edge, context, self);
    return removed.value_or(false) && !edge.files.exists(self);
  }
  bool ok = true;
  std::vector<FolderEntry> entries;
  edge.files.listFolder(folder, &entries);
  for (const FolderEntry& entry : entries) {
    if (!IsPlainName(entry.name)) continue;  // "." and "..": never up the tree
    const std::string path = folder + entry.name;
    if (entry.isLink) {
      const std::optional<bool> removed = RemoveLinkAsked(edge, context, path);
      if (!removed) return false;
      if (!*removed) ok = false;
      continue;
    }
    if (entry.isFolder) {
      if (!RemoveFolderTree(edge, context, path + '\\')) return false;
      continue;
    }
    if (!IsHelpIndex(entry.name)) {
      const MessageAnswer answer = AskDelete(edge, context, path);
      if (answer == MessageAnswer::Cancel) return false;
      if (answer != MessageAnswer::Yes) continue;
    }
    if (!DeleteIfPresent(edge, path)) ok = false;
  }
  if (edge.files.exists(self) && !edge.files.removeFolder(self)) {
    ShowError(edge.ui, Concat({self, LoadText(IDS_SETUP_FOLDER_NOT_REMOVED)}));
    ok = false;
  }
  return ok;
}

}  // namespace mogura
