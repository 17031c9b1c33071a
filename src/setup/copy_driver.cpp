#include "setup/copy_driver.h"

#include "base/string_table.h"
#include "setup/copy_install_file.h"
#include "setup/folder_creation.h"
#include "setup/setup_info.h"
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
  edge_.system.setCurrentFolder(context_.installPath);
  // An entry that was refused was never copied: nothing of ours to start.
  if (main.staysInside) edge_.system.startProgram(main.target, std::string());
  const std::string open = context_.info.value(kInstallSection, "Open", kLongestEntry);
  if (!open.empty()) edge_.shell.openDocument(open);
}

}  // namespace mogura
