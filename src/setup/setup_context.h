// The one state record of a setup process: where the setup program and its information file
// are, what the file says, and what the user chose.
#pragma once

#include <string>

#include "setup/ini_file.h"

namespace mogura {

struct SetupContext {
  std::string modulePath;     // the running program
  std::string setupFolder;    // folder of the setup program named by the command line, with '\\'
  std::string setupFileName;  // its file name; the name it is installed under
  std::string infFileName;    // setupFileName with "INF" for its last three characters
  std::string infPath;        // setupFolder + infFileName

  IniFile info;               // the information file as read
  std::string title;          // "Install"/"Title": captions, shortcut and group names
  std::string folder;         // "Install"/"Folder": folder name and uninstall key name
  bool isResident = false;    // "Install"/"TSR" begins with "1"
  unsigned fileCount = 0;     // consecutive non-empty "Install" entries from 1
  unsigned groupCount = 0;    // consecutive "Group" entries with a comma from 1

  std::string installPath;    // always ends in a backslash
  bool hasShellFolders = true;  // system major version 4 or higher; else the Program Manager
  bool wantStartMenu = true;
  bool wantDesktop = false;
  unsigned step = 0;          // next step of the copy page
};

}  // namespace mogura
