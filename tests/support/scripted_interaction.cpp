#include "support/scripted_interaction.h"

namespace mogura::test {

MessageAnswer ScriptedInteraction::messageBox(const std::string& text, MessageIcon icon,
                                              MessageButtons buttons, MessageAnswer defaultAnswer) {
  messages.push_back({text, icon, buttons, defaultAnswer, std::nullopt});
  return answerFor(buttons);
}

MessageAnswer ScriptedInteraction::messageBoxWithCaption(const std::string& text,
                                                         const std::string& caption,
                                                         MessageIcon icon, MessageButtons buttons,
                                                         MessageAnswer defaultAnswer) {
  messages.push_back({text, icon, buttons, defaultAnswer, caption});
  return answerFor(buttons);
}

MessageAnswer ScriptedInteraction::answerFor(MessageButtons buttons) {
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers.empty()) return answer;
  const MessageAnswer next = answers.front();
  answers.pop_front();
  return next;
}

void ScriptedInteraction::setWaitCursor(bool on) {
  waitDepth += on ? 1 : -1;
  if (on) ++waitCursorShown;
}

std::vector<std::string> ScriptedInteraction::texts() const {
  std::vector<std::string> shown;
  for (const ShownMessage& message : messages) shown.push_back(message.text);
  return shown;
}

}  // namespace mogura::test
