#include "setup/setup_start.h"

#include "base/path_parts.h"
#include "base/string_table.h"
#include "setup/setup_info.h"
#include "setup/setup_paths.h"
#include "setup/setup_text.h"
#include "setup/uninstall_entry.h"

namespace mogura {

bool PrepareSetup(SetupEdge& edge, std::string_view arguments, SetupCommand* command, SetupContext* context) {
  *command = ParseCommandLine(arguments);
  context->modulePath = edge.system.modulePath();
  const std::string& named = command->mode == SetupMode::Remove ? command->path : context->modulePath;
  const PathParts parts = SplitPath(named, kBackslash);
  context->setupFolder = parts.parent();
  context->setupFileName = parts.fileName();
  context->infFileName = InfFileNameFor(context->setupFileName);
  context->infPath = context->setupFolder + context->infFileName;

  // The removal walks the whole folder of that path: it must be a real installation folder,
  // never a drive root or the current folder.
  if (command->mode == SetupMode::Remove &&
      (!StartsWithDriveRoot(context->setupFolder) || IsDriveRoot(context->setupFolder) ||
       !StaysInsideFolder(WithoutTrailingSeparator(context->setupFolder.substr(3), kBackslash)) ||
       !IsPlainName(context->setupFileName))) {
    ShowError(edge.ui, std::string(LoadText(IDS_SETUP_INFO_BROKEN)));
    return false;
  }
  if (!ReadSetupInfo(edge, context)) return false;
  // A removal goes on only from the installed setup program: another copy (the unpacked
  // distribution, say) would walk its own folder and still delete the installation's entry.
  if (command->mode != SetupMode::Install && !IsInstalledSetup(edge, *context)) {
    ShowError(edge.ui,
              Concat({context->setupFolder, context->setupFileName, LoadText(IDS_SETUP_NOT_INSTALLED_HERE),
                      LoadText(IDS_SETUP_CONTROL_PANEL_NOTE)}));
    return false;
  }

  if (command->mode == SetupMode::Install) edge.files.setCurrentFolder(context->setupFolder);
  if (command->mode == SetupMode::Remove) context->installPath = context->setupFolder;
  return true;
}

}  // namespace mogura
