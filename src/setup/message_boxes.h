// The setup program's message boxes carry either the system's default caption or the product
// title, never the tool's own.
#pragma once

#include <string>

#include "platform/user_interaction.h"

namespace mogura {

// A failure: error icon, default caption, OK.
inline void ShowError(UserInteraction& ui, const std::string& text) {
  ui.messageBoxWithCaption(text, std::string(), MessageIcon::Error, MessageButtons::Ok, MessageAnswer::Ok);
}

}  // namespace mogura
