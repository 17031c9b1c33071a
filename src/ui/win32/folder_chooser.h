// The folder chooser of both programs over the shell's folder browser: rooted at the desktop,
// file-system folders only, the title as its prompt.
#pragma once

#include <windows.h>

#include <string>

#include "platform/folder_chooser.h"

namespace mogura::win32 {

class CFolderChooser {
 public:
  CFolderChooser(HWND owner, std::string title) : owner_(owner), title_(std::move(title)) {}

  // The folder to preselect; an empty text and a drive root stay, any other text loses one
  // trailing backslash.
  void SetInitialFolder(std::string_view folder) { folder_ = InitialFolderForBrowser(folder); }
  // IDOK with the chosen folder (ending in a backslash), or IDCANCEL when the user cancelled
  // or chose something that is no file-system folder.
  int DoModal();
  const std::string& GetFolder() const { return folder_; }

 private:
  HWND owner_;
  std::string title_;
  std::string folder_;
};

// The presenters' folder chooser, owned by a window.
class Win32FolderChooser : public FolderChooser {
 public:
  explicit Win32FolderChooser(HWND owner = nullptr) : owner_(owner) {}
  void setOwner(HWND owner) { owner_ = owner; }
  bool choose(const std::string& title, const std::string& initial, std::string* folder) override;

 private:
  HWND owner_;
};

}  // namespace mogura::win32
