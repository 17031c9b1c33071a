#include "setup/copy_install_file.h"

#include "base/cp932.h"
#include "base/string_table.h"
#include "setup/folder_creation.h"
#include "setup/link_check.h"
#include "setup/setup_text.h"

namespace mogura {

bool CopyInstallFile(SetupEdge& edge, const FileEntry& entry) {
  // A link on the way would put the copy wherever it points, with administrator rights.
  if (!entry.staysInside ||
      PassesThroughLink(edge.files, std::string_view(entry.target).substr(0, entry.relativeStart),
                        entry.target)) {
    ShowError(edge.ui, Concat({entry.source, LoadText(IDS_SETUP_COPY_FAILED)}));
    return false;
  }
  for (std::size_t slash = FindCharDbcs(entry.target, '\\', entry.relativeStart); slash != std::string::npos;
       slash = FindCharDbcs(entry.target, '\\', slash + 1)) {
    if (!CreateFolderLevel(edge, std::string_view(entry.target).substr(0, slash + 1), NewFolder::Protected)) {
      return false;
    }
  }
  switch (edge.files.copy(entry.source, entry.target, true)) {
    case CopyOutcome::Copied:
      edge.files.setNormalAttributes(entry.target);
      return true;
    case CopyOutcome::TargetExists:
      return true;
    case CopyOutcome::TargetInUse:
      ShowError(edge.ui, Concat({entry.target, LoadText(IDS_SETUP_TARGET_IN_USE)}));
      return false;
    case CopyOutcome::Failed:
      break;
  }
  ShowError(edge.ui, Concat({entry.source, LoadText(IDS_SETUP_COPY_FAILED)}));
  return false;
}

}  // namespace mogura
