#include "setup/removal_dialog.h"

#include "base/string_table.h"
#include "setup/delete_on_restart.h"
#include "setup/file_removal.h"
#include "setup/link_check.h"
#include "setup/registry_removal.h"
#include "setup/setup_info.h"
#include "setup/setup_text.h"
#include "setup/shortcuts.h"
#include "setup/uninstall_entry.h"

namespace mogura {

bool RunRemovalWork(SetupEdge& edge, const SetupContext& context) {
  bool ok = true;
  DeleteRegList(edge, context);
  for (int n = static_cast<int>(context.fileCount); n >= -1; --n) {
    const FileEntry entry = ResolveFileEntry(context, n);
    if (!entry.staysInside) continue;  // never installed, and nothing of ours to delete
    // Never through a link: the name would delete what the link points to. The folder walk
    // below asks about the link itself.
    if (PassesThroughLink(edge.files, context.installPath, entry.target)) continue;
    if (DeleteIfPresent(edge, entry.target)) continue;
    ok = false;
    if (n == 1) {
      // The main program is still running: keep the uninstall entry and shortcuts for a retry.
      ShowError(edge.ui, Concat({entry.target, LoadText(IDS_SETUP_MAIN_NOT_DELETED), context.title,
                                 LoadText(IDS_SETUP_QUIT_AND_RETRY)}));
      return false;
    }
  }
  if (!RemoveFolderTree(edge, context, context.installPath)) ok = false;
  RemoveUninstallEntry(edge, context);
  for (ShortcutPlace place : {ShortcutPlace::Programs, ShortcutPlace::Desktop, ShortcutPlace::Startup}) {
    RemoveShortcuts(edge, context, place);
  }
  return ok;
}

std::string RemovalDialog::caption() const { return Concat({context_.title, LoadText(IDS_SETUP_REMOVAL_SUFFIX)}); }
std::string_view RemovalDialog::workingText() const { return LoadText(IDS_SETUP_REMOVING); }
std::string_view RemovalDialog::closeButtonText() const { return LoadText(IDS_SETUP_CLOSE_BUTTON); }

std::string RemovalDialog::run() {
  if (RunRemovalWork(edge_, context_)) return Concat({context_.title, LoadText(IDS_SETUP_REMOVED)});
  return Concat({context_.installPath, LoadText(IDS_SETUP_FILES_LEFT)});
}

void RemovalDialog::finish() { DeleteOnRestart(edge_, context_.modulePath); }

}  // namespace mogura
