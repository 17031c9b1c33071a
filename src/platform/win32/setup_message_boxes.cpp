#include "platform/win32/setup_message_boxes.h"

#include "platform/win32/wide.h"
#include "platform/win32/win32_user_interaction.h"

namespace mogura::win32 {

MessageAnswer SetupMessageBoxes::show(const std::string& text, const std::string& caption, MessageIcon icon,
                                      MessageButtons buttons, MessageAnswer defaultAnswer) {
  const std::wstring title = ToWide(caption);
  // No caption: the system's own ("Error").
  const int id =
      MessageBoxW(IsWindow(owner_) ? owner_ : nullptr, ToWide(text).c_str(),
                  caption.empty() ? nullptr : title.c_str(), MessageBoxStyle(icon, buttons, defaultAnswer));
  return AnswerFromId(id);
}

}  // namespace mogura::win32
