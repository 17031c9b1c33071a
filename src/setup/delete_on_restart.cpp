#include "setup/delete_on_restart.h"

#include "base/path_parts.h"
#include "setup/rename_list.h"
#include "setup/setup_paths.h"

namespace mogura {
namespace {

// A start-up file far larger than this is not one to rewrite.
constexpr std::uint64_t kLargestStartupFile = 1024 * 1024;

}  // namespace

bool DeleteOnRestart(SetupEdge& edge, const std::string& path) {
  if (edge.files.deleteAtRestart(path)) return true;
  const std::string startupFile = WithTrailingSeparator(edge.system.windowsFolder(), kBackslash) + "WININIT.INI";
  std::string bytes;
  if (edge.files.exists(startupFile) && !ReadWholeFile(edge.files, startupFile, kLargestStartupFile, &bytes)) {
    return false;
  }
  const auto rewritten = AddDeletionToRenameList(bytes, edge.files.shortPath(path));
  return rewritten && WriteFileAtomically(edge.files, startupFile, *rewritten);
}

}  // namespace mogura
