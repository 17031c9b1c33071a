// The setup program's message boxes, owned by the setup window that is open.
#pragma once

#include <windows.h>

#include "setup/message_boxes.h"

namespace mogura::win32 {

class SetupMessageBoxes : public MessageBoxes {
 public:
  void setOwner(HWND owner) { owner_ = owner; }
  MessageAnswer show(const std::string& text, const std::string& caption, MessageIcon icon,
                     MessageButtons buttons, MessageAnswer defaultAnswer) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace mogura::win32
