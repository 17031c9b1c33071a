#include "ui/win32/about_box_view.h"

#include "base/path_parts.h"
#include "presenters/app_dialog_ids.h"
#include "base/string_table.h"
#include "platform/folder_chooser.h"
#include "platform/win32/module_path.h"

namespace mogura::win32 {

std::string ProgramFolder() { return WithTrailingSeparator(SplitPath(ModulePath(), '\\').parent(), '\\'); }

CAboutDialog::CAboutDialog() : PresenterDialog(about_, IDD_ABOUT, IDS_ABOUT_TITLE), about_(HostShell(), ProgramFolder()) {}

}  // namespace mogura::win32
