// Message boxes and the wait cursor of the Windows programs.
#pragma once

#include <windows.h>

#include <string>

#include "platform/user_interaction.h"

namespace mogura::win32 {

// The caption of every message box of the process; until a program sets its own, the
// program's title from the string table.
void SetMessageBoxCaption(std::string caption);
const std::string& MessageBoxCaption();

// The MessageBoxW style for a box: a box without an asked-for icon shows the warning icon.
UINT MessageBoxStyle(MessageIcon icon, MessageButtons buttons, MessageAnswer defaultAnswer);
// The answer for what MessageBoxW returned.
MessageAnswer AnswerFromId(int id);

class Win32Interaction : public UserInteraction {
 public:
  // Boxes are owned by `owner` (may be null) and carry the program's title as caption.
  explicit Win32Interaction(HWND owner = nullptr) : owner_(owner) {}
  void setOwner(HWND owner) { owner_ = owner; }

  MessageAnswer messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons,
                           MessageAnswer defaultAnswer) override;
  void setWaitCursor(bool on) override;
  // Owned by the owner while it is a window (the setup program's window that is open, if any).
  MessageAnswer messageBoxWithCaption(const std::string& text, const std::string& caption, MessageIcon icon,
                                      MessageButtons buttons, MessageAnswer defaultAnswer) override;

 private:
  HWND owner_;
  int waitDepth_ = 0;
  HCURSOR previous_ = nullptr;
};

}  // namespace mogura::win32
