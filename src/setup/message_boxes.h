// The setup program's message boxes. Unlike the tool's own boxes they carry either the
// system's default caption or the product title.
#pragma once

#include <string>

#include "platform/user_interaction.h"

namespace mogura {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // An empty caption is the system's default one. Owned by the setup window that is open, if any.
  // `defaultAnswer` is the button that Enter presses.
  virtual MessageAnswer show(const std::string& text, const std::string& caption, MessageIcon icon,
                             MessageButtons buttons, MessageAnswer defaultAnswer) = 0;
};

// A failure: error icon, default caption, OK.
inline void ShowError(MessageBoxes& boxes, const std::string& text) {
  boxes.show(text, std::string(), MessageIcon::Error, MessageButtons::Ok, MessageAnswer::Ok);
}

}  // namespace mogura
