#include "platform/win32/win32_user_interaction.h"

#include "base/string_table.h"
#include "platform/win32/wide.h"

namespace mogura::win32 {
namespace {

std::string& Caption() {
  static std::string caption(LoadText(IDS_APP_TITLE));
  return caption;
}

}  // namespace

void SetMessageBoxCaption(std::string caption) { Caption() = std::move(caption); }
const std::string& MessageBoxCaption() { return Caption(); }

UINT MessageBoxStyle(MessageIcon icon, MessageButtons buttons, MessageAnswer defaultAnswer) {
  UINT style = MB_SETFOREGROUND;
  switch (icon) {
    case MessageIcon::Information: style |= MB_ICONINFORMATION; break;
    case MessageIcon::Exclamation: style |= MB_ICONEXCLAMATION; break;
    case MessageIcon::Question: style |= MB_ICONQUESTION; break;
    case MessageIcon::Error: style |= MB_ICONERROR; break;
    case MessageIcon::Default: style |= MB_ICONWARNING; break;
  }
  // The position of the default answer among the buttons of the box.
  int position = 0;
  switch (buttons) {
    case MessageButtons::Ok: style |= MB_OK; break;
    case MessageButtons::OkCancel:
      style |= MB_OKCANCEL;
      position = defaultAnswer == MessageAnswer::Cancel ? 1 : 0;
      break;
    case MessageButtons::YesNo:
      style |= MB_YESNO;
      position = defaultAnswer == MessageAnswer::No ? 1 : 0;
      break;
    case MessageButtons::YesNoCancel:
      style |= MB_YESNOCANCEL;
      position = defaultAnswer == MessageAnswer::No ? 1 : defaultAnswer == MessageAnswer::Cancel ? 2 : 0;
      break;
  }
  static constexpr UINT kDefaultButton[] = {MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3};
  return style | kDefaultButton[position];
}

MessageAnswer AnswerFromId(int id) {
  switch (id) {
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    case IDOK: return MessageAnswer::Ok;
    default: return MessageAnswer::Cancel;  // IDCANCEL, or the box could not be shown
  }
}

MessageAnswer Win32Interaction::messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons,
                                           MessageAnswer defaultAnswer) {
  const std::wstring caption = ToWide(MessageBoxCaption());
  const int id = MessageBoxW(owner_, ToWide(text).c_str(), caption.c_str(), MessageBoxStyle(icon, buttons, defaultAnswer));
  // The box showed the arrow while the mouse was over it; the work that asked goes on, and
  // so does its wait cursor.
  if (waitDepth_ > 0) SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  return AnswerFromId(id);
}

MessageAnswer Win32Interaction::messageBoxWithCaption(const std::string& text, const std::string& caption,
                                                      MessageIcon icon, MessageButtons buttons,
                                                      MessageAnswer defaultAnswer) {
  const std::wstring title = ToWide(caption);
  // No caption: the system's own ("Error").
  const int id =
      MessageBoxW(IsWindow(owner_) ? owner_ : nullptr, ToWide(text).c_str(),
                  caption.empty() ? nullptr : title.c_str(), MessageBoxStyle(icon, buttons, defaultAnswer));
  return AnswerFromId(id);
}

void Win32Interaction::setWaitCursor(bool on) {
  if (on) {
    if (waitDepth_++ == 0) previous_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  } else if (waitDepth_ > 0 && --waitDepth_ == 0) {
    SetCursor(previous_ ? previous_ : LoadCursorW(nullptr, IDC_ARROW));
  }
}

}  // namespace mogura::win32
