// The welcome dialog of a first run: finds the host program in its default places, or lets
// the user show where it is, and gives the receive folder to register.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "presenters/dialog_presenter.h"
#include "platform/files.h"
#include "platform/folder_chooser.h"
#include "platform/user_interaction.h"

namespace mogura {

// A default installation: the executable tested and the installation folder it stands for
// (string-table texts).
struct InstallCandidate {
  int executable;
  int folder;
};
// The three default installations, in the order they are tested.
const std::array<InstallCandidate, 3>& InstallCandidates();
// The executables that make a folder picked by hand an installation, in the order tested.
const std::array<std::string_view, 3>& KuruminExecutables();

class WelcomePresenter : public DialogPresenter {
 public:
  WelcomePresenter(FileSystem& files, FolderChooser& chooser, UserInteraction& ui)
      : files_(files), chooser_(chooser), ui_(ui) {}

  void OnCommand(int control, ControlEvent event) override;

  // The message line; the installation folder (empty or ending in a backslash); and, once the
  // user accepted, the receive folder in it.
  const std::string& message() const { return message_; }
  const std::string& installFolder() const { return installFolder_; }
  const std::string& receiveFolder() const { return receiveFolder_; }
  // The button the keyboard focus starts on.
  int firstFocus() const;

 protected:
  std::span<const ControlText> FixedTexts() const override;
  void OnShow() override;

 private:
  bool IsFile(const std::string& path);
  void Accept();
  void ChangeFolder();

  FileSystem& files_;
  FolderChooser& chooser_;
  UserInteraction& ui_;
  std::string message_;
  std::string installFolder_;
  std::string receiveFolder_;
};

}  // namespace mogura
