#include "setup/fake_setup_edge.h"

#include "setup/uninstall_entry.h"

namespace mogura::test {

FakeSetup::FakeSetup() {
  ui.answer = MessageAnswer::Yes;
  shell.currentFolder = &disk.currentFolder;
  disk.addFolder("C:\\WINDOWS\\system32");
  disk.addFolder("D:");
  disk.addFile("D:\\setup.exe", "setup program");
  registry.setString(RegistryRoot::CurrentUser, kShellFolders, "Programs", kProgramsFolder);
  registry.setString(RegistryRoot::CurrentUser, kShellFolders, "Desktop", kDesktopFolder);
  registry.setString(RegistryRoot::CurrentUser, kShellFolders, "Startup", kStartupFolder);
  disk.addFolder(kProgramsFolder);
  disk.addFolder(kDesktopFolder);
  disk.addFolder(kStartupFolder);
}

void FakeSetup::writeUninstallEntry(const std::string& folder, const std::string& setupPath) {
  registry.setString(RegistryRoot::LocalMachine, UninstallKeyPath(folder), "UninstallString",
                     "\"" + setupPath + "\" /r");
}

void FakeSetup::writeInfo(const std::vector<std::string>& lines, const std::string& path) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  disk.addFile(path, bytes);
}

}  // namespace mogura::test
