// The test machine's user: every message box is recorded and answered as the test planned,
// and the wait cursor is counted.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_interaction.h"

namespace mogura::test {

struct ShownMessage {
  std::string text;
  MessageIcon icon;
  MessageButtons buttons;
  MessageAnswer defaultAnswer;
  // A caption of its own (empty: the system's default one); none for the program's title.
  std::optional<std::string> caption;
};

class ScriptedInteraction : public UserInteraction {
 public:
  // A box with the OK button alone is answered OK; a question takes the queued answers
  // first, then `answer`.
  MessageAnswer messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons,
                           MessageAnswer defaultAnswer) override;
  MessageAnswer messageBoxWithCaption(const std::string& text, const std::string& caption, MessageIcon icon,
                                      MessageButtons buttons, MessageAnswer defaultAnswer) override;
  void setWaitCursor(bool on) override;

  // The texts of the boxes shown, in order.
  std::vector<std::string> texts() const;

  std::deque<MessageAnswer> answers;
  MessageAnswer answer = MessageAnswer::No;
  std::vector<ShownMessage> messages;
  // How deep the wait cursor is nested now, and how often it was shown.
  int waitDepth = 0;
  int waitCursorShown = 0;

 private:
  MessageAnswer answerFor(MessageButtons buttons);
};

}  // namespace mogura::test
