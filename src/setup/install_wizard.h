// The installation wizard's first two pages: the installation folder with its checks, and the
// shortcut options. Their presenters (wizard_pages.h) show the texts and forward Next and the
// browse button here. The copy page is driven by CopyDriver (copy_driver.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "setup/setup_context.h"
#include "setup/setup_edge.h"

namespace mogura {

enum class WizardPage { Folder, Options, Copy };

class InstallWizard {
 public:
  // The installation path (with its trailing backslash) is at most this many bytes; the edit
  // field of the folder page takes at most this many characters.
  static constexpr std::size_t kLongestTypedPath = 259;
  // The folder-browse dialog: a save dialog with this file type and preset name.
  static constexpr std::string_view kBrowseFileType = "*.*";
  static constexpr std::string_view kBrowseFileName = "dummy";

  InstallWizard(SetupEdge& edge, SetupContext& context) : edge_(edge), context_(context) {}

  // title + "のインストール"
  std::string caption() const;

  // Folder page: its texts, and the path the edit field shows when the page is activated.
  struct FolderPageTexts {
    std::string prompt;  // title + "のインストール先を指定してください"
    std::string_view browseButton;
    std::string_view noteLabel;
    std::string_view note;
    std::string_view browseTitle;  // the folder-browse dialog's title
  };
  FolderPageTexts folderPageTexts() const;
  const std::string& proposedFolder() const { return context_.installPath; }

  // Around the folder-browse dialog: it opens in the root of the Windows drive, and afterwards
  // the setup program's folder is the current folder again.
  void beginBrowse();
  void endBrowse();
  // The folder the user chose in the dialog: its path up to the file name, with its backslash.
  static std::string ChosenFolder(std::string_view chosenFile);

  // Next on the folder page: the page to go to, or none to stay (its message has been shown,
  // or the user declined to go on). `typed` is the field's text in CP932; `typedWhole` is false
  // when the field held characters CP932 has no form for. The folders that the test of the
  // path creates are removed again, deepest first; folders that existed stay. An existing
  // folder must be no link, and one that holds files is taken only when the user agrees or
  // it holds an installation of this product (its information file names the same folder).
  std::optional<WizardPage> leaveFolderPage(std::string_view typed, bool typedWhole = true);

  // Options page: the two check boxes (start menu checked, desktop not, at first); the desktop
  // box is enabled only with shell folders.
  struct OptionsPageTexts {
    std::string_view startMenu;
    std::string_view desktop;
  };
  static OptionsPageTexts optionsPageTexts();
  bool desktopChoiceEnabled() const { return context_.hasShellFolders; }
  WizardPage leaveOptionsPage(bool startMenu, bool desktop);

 private:
  bool acceptExistingFolder();
  bool holdsThisProduct() const;
  bool acceptFreeSpace();

  SetupEdge& edge_;
  SetupContext& context_;
};

}  // namespace mogura
