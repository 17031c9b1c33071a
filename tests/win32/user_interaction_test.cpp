#include "platform/win32/win32_user_interaction.h"

#include <gtest/gtest.h>

namespace mogura::win32 {
namespace {

TEST(Win32Interaction, StylesCarryTheIconButtonsAndDefault) {
  // The desktop question: Yes and No, No preselected, question icon.
  EXPECT_EQ(MessageBoxStyle(MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No),
            UINT(MB_SETFOREGROUND | MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON2));
  EXPECT_EQ(MessageBoxStyle(MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok),
            UINT(MB_SETFOREGROUND | MB_ICONEXCLAMATION | MB_OK | MB_DEFBUTTON1));
  // No icon asked for: the warning icon.
  EXPECT_EQ(MessageBoxStyle(MessageIcon::Default, MessageButtons::Ok, MessageAnswer::Ok) & MB_ICONMASK,
            UINT(MB_ICONWARNING));
  EXPECT_EQ(MessageBoxStyle(MessageIcon::Information, MessageButtons::YesNoCancel, MessageAnswer::Cancel) &
                MB_DEFMASK,
            UINT(MB_DEFBUTTON3));
  EXPECT_EQ(MessageBoxStyle(MessageIcon::Error, MessageButtons::OkCancel, MessageAnswer::Cancel) & MB_DEFMASK,
            UINT(MB_DEFBUTTON2));
}

TEST(Win32Interaction, AnswersMapBackFromTheBoxResult) {
  EXPECT_EQ(AnswerFromId(IDYES), MessageAnswer::Yes);
  EXPECT_EQ(AnswerFromId(IDNO), MessageAnswer::No);
  EXPECT_EQ(AnswerFromId(IDOK), MessageAnswer::Ok);
  EXPECT_EQ(AnswerFromId(IDCANCEL), MessageAnswer::Cancel);
  EXPECT_EQ(AnswerFromId(0), MessageAnswer::Cancel);  // the box could not be shown
}

}  // namespace
}  // namespace mogura::win32
