#include "setup/install_wizard.h"

#include <vector>

#include "base/cp932.h"
#include "base/path_parts.h"
#include "base/string_table.h"
#include "setup/folder_creation.h"
#include "setup/free_space.h"
#include "setup/setup_info.h"
#include "setup/setup_paths.h"
#include "setup/setup_text.h"

namespace mogura {

std::string InstallWizard::caption() const { return Concat({context_.title, LoadText(IDS_SETUP_WIZARD_CAPTION)}); }

InstallWizard::FolderPageTexts InstallWizard::folderPageTexts() const {
  return {Concat({context_.title, LoadText(IDS_SETUP_FOLDER_PROMPT)}), LoadText(IDS_SETUP_BROWSE_BUTTON),
          LoadText(IDS_SETUP_NOTE_LABEL), LoadText(IDS_SETUP_NOTE), LoadText(IDS_SETUP_BROWSE_TITLE)};
}

InstallWizard::OptionsPageTexts InstallWizard::optionsPageTexts() {
  return {LoadText(IDS_SETUP_START_MENU_OPTION), LoadText(IDS_SETUP_DESKTOP_OPTION)};
}

void InstallWizard::beginBrowse() {
  const std::string windows = edge_.system.windowsFolder();
  if (windows.size() >= 2 && windows[1] == ':') edge_.files.setCurrentFolder(windows.substr(0, 2) + '\\');
}

void InstallWizard::endBrowse() { edge_.files.setCurrentFolder(context_.setupFolder); }

std::string InstallWizard::ChosenFolder(std::string_view chosenFile) {
  return SplitPath(chosenFile, kBackslash).parent();
}

std::optional<WizardPage> InstallWizard::leaveFolderPage(std::string_view typed, bool typedWhole) {
  context_.installPath = WithTrailingSeparator(typed, kBackslash);
  const std::string& path = context_.installPath;
  if (path.size() <= 3) {
    ShowError(edge_.ui, std::string(LoadText(IDS_SETUP_ROOT_REFUSED)));
    return std::nullopt;
  }
  // A "." or ".." part would put the installation (and later its removal) somewhere else
  // than the path says, a drive root at worst; so would half a character at the end, which
  // takes the backslash after it as its trail byte. A path too long for the buffers of the
  // system, or holding characters without a CP932 form, is refused whole: cut or replaced,
  // it would name a folder the user never saw.
  if (!typedWhole || path.size() > kLongestTypedPath || !StartsWithDriveRoot(path) ||
      !EndsWithSeparator(path, kBackslash) || !StaysInsideFolder(WithoutTrailingSeparator(path, kBackslash).substr(3))) {
    ShowError(edge_.ui, std::string(LoadText(IDS_SETUP_NEED_DRIVE)));
    return std::nullopt;
  }
  std::vector<std::string> made;
  const bool testPassed = CreateFolderChain(edge_, path, &made);
  // Only a test: the copy page makes the folders again. What existed before stays as it was.
  for (auto folder = made.rbegin(); folder != made.rend(); ++folder) edge_.files.removeFolder(*folder);
  if (!testPassed) return std::nullopt;
  if (made.empty() && !acceptExistingFolder()) return std::nullopt;
  if (!acceptFreeSpace()) return std::nullopt;
  return context_.isResident ? WizardPage::Copy : WizardPage::Options;
}

bool InstallWizard::acceptExistingFolder() {
  const std::string folder(WithoutTrailingSeparator(context_.installPath, kBackslash));
  if (edge_.files.isLink(folder)) {
    // Whatever it points to would receive the files, and the removal would walk it.
    ShowError(edge_.ui, Concat({folder, LoadText(IDS_SETUP_FOLDER_IS_LINK)}));
    return false;
  }
  std::vector<FolderEntry> entries;
  const bool listed = edge_.files.listFolder(context_.installPath, &entries);
  if ((listed && entries.empty()) || holdsThisProduct()) return true;
  // The copy would overwrite what is there, and the removal would later walk all of it.
  return edge_.ui.messageBoxWithCaption(Concat({folder, LoadText(IDS_SETUP_FOLDER_NOT_EMPTY)}),
                                        context_.title, MessageIcon::Question, MessageButtons::YesNo,
                                        MessageAnswer::No) == MessageAnswer::Yes;
}

bool InstallWizard::holdsThisProduct() const {
  const std::optional<IniFile> info = ReadInfoFile(edge_.files, context_.installPath + context_.infFileName);
  return info && EqualsNoCase(info->value(kInstallSection, "Folder", kLongestName), context_.folder);
}

bool InstallWizard::acceptFreeSpace() {
  DiskFreeSpace space;
  const std::uint64_t measure = edge_.files.freeSpace(context_.installPath, &space) ? FreeSpaceMeasure(space) : 0;
  if (measure >= kLowSpaceMeasure) return true;
  const std::string question = FormatText(LoadText(IDS_SETUP_LOW_SPACE), std::to_string(MegabytesShown(measure)));
  return edge_.ui.messageBoxWithCaption(question, context_.title, MessageIcon::Question,
                                        MessageButtons::YesNo, MessageAnswer::Yes) == MessageAnswer::Yes;
}

WizardPage InstallWizard::leaveOptionsPage(bool startMenu, bool desktop) {
  context_.wantStartMenu = startMenu;
  context_.wantDesktop = desktop;
  return WizardPage::Copy;
}

}  // namespace mogura
