// The user-interaction part of the platform edge. Texts are CP932 bytes.
#pragma once

#include <string>

namespace mogura {

enum class MessageIcon { Default, Information, Exclamation, Question, Error };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Message boxes always carry the program's title as caption; a box for which the caller asks
// no icon shows the warning icon.
class UserInteraction {
 public:
  virtual ~UserInteraction() = default;
  virtual MessageAnswer messageBox(const std::string& text, MessageIcon icon = MessageIcon::Default,
                                   MessageButtons buttons = MessageButtons::Ok,
                                   MessageAnswer defaultAnswer = MessageAnswer::Ok) = 0;
  // Shows or hides the wait cursor; calls nest.
  virtual void setWaitCursor(bool on) = 0;
  // A box with a caption of its own instead of the program's title (the setup program names
  // the product it installs); an empty caption is the system's default one. A front end
  // without captions shows it as any other box.
  virtual MessageAnswer messageBoxWithCaption(const std::string& text, const std::string& /*caption*/,
                                              MessageIcon icon, MessageButtons buttons,
                                              MessageAnswer defaultAnswer) {
    return messageBox(text, icon, buttons, defaultAnswer);
  }
};

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
 public:
  explicit WaitCursor(UserInteraction& ui) : ui_(ui) { ui_.setWaitCursor(true); }
  ~WaitCursor() { ui_.setWaitCursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  UserInteraction& ui_;
};

}  // namespace mogura
