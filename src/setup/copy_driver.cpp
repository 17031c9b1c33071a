#include "setup/copy_driver.h"

#include "base/string_table.h"
#include "setup/copy_install_file.h"
#include "setup/folder_creation.h"
#include "setup/setup_info.h"
#include "setup/setup_paths.h"
#include "setup/setup_text.h"
#include "setup/shortcuts.h"
#include "setup/uninstall_entry.h"

namespace mogura {

std::string_view CopyDriver::workingText() const { return LoadText(IDS_SETUP_COPYING); }
std::string_view CopyDriver::doneText() const { return LoadText(IDS_SETUP_INSTALLED); }
std::string_view CopyDriver::controlPanelNote() const { return LoadText(IDS_SETUP_CONTROL_PANEL_NOTE); }

CopyStepReport CopyDriver::runStep() {
  CopyStepReport report;
  report.step = context_.step;
  if (finished()) {
    report.last = true;
    return report;
  }
  if (context_.step == 0) {
    report.kind = CopyStepKind::MakeFolder;
    report.ok = CreateFolderChain(edge_, context_.installPath);
  } else if (context_.step <= context_.fileCount + 2) {
    report.kind = CopyStepKind::CopyFile;
    report.ok = CopyInstallFile(edge_, ResolveFileEntry(context_, static_cast<int>(context_.step) - 2));
  } else {
    report.kind = CopyStepKind::MakeShortcuts;
    CreateChosenShortcuts(edge_, context_);
    report.ok = WriteUninstallEntry(edge_, context_);
  }
  ++context_.step;
  report.last = finished();
  return report;
}

void CopyDriver::finish() {
  const FileEntry main = ResolveFileEntry(context_, 1);
  edge_.files.setCurrentFolder(context_.installPath);
  // An entry that was refused was never copied: nothing of ours to start.
  if (main.staysInside) tellNotStarted(main.target, edge_.shell.startProgramForUser(main.target));
  // The document, too, is one of ours: a name inside the installation folder, never a path or
  // an address of anything else.
  const std::string open = context_.info.value(kInstallSection, "Open", kLongestEntry);
  if (!open.empty() && StaysInsideFolder(open)) {
    const std::string document = context_.installPath + open;
    tellNotStarted(document, edge_.shell.openDocumentForUser(document));
  }
}

void CopyDriver::tellNotStarted(const std::string& path, UserStart outcome) {
  if (outcome != UserStart::NotAsUser) return;
  edge_.ui.messageBoxWithCaption(Concat({path, LoadText(IDS_SETUP_START_FROM_MENU)}), context_.title,
                                 MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok);
}

}  // namespace mogura
