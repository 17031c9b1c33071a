#include "app/startup.h"

namespace mogura {

void RunProgram(const SettingsKey& root, AppSettings& settings, StartupWindows& windows) {
  settings.Load(root);
  if (!settings.petFolders.HasActiveFolder()) {
    std::string receiveFolder;
    if (!windows.RunWelcome(&receiveFolder)) return;  // nothing is saved
    settings.petFolders.AddFolder(receiveFolder);     // already there: the active one stays
    // A stored list whose active index pointed nowhere gets the folder chosen now.
    if (!settings.petFolders.HasActiveFolder()) settings.petFolders.SelectFolder(receiveFolder);
    settings.petFolders.Save(root);
  }
  if (windows.RunMainDialog(settings, root)) settings.Save(root);
}

}  // namespace mogura
