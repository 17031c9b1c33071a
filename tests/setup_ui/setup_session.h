// What the end-to-end tests of setup.exe need around the GUI driver: starting programs as the
// uninstall entry and the shell do, finding the windows of other processes (the removal copy
// and the program started on Finish), and reading back what the installation left.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gui_driver.h"

namespace mogura::test {

// A program started by its command line (CP932); ended at the latest when the object goes.
class StartedProcess {
 public:
  explicit StartedProcess(const std::string& commandLine);
  ~StartedProcess();
  StartedProcess(const StartedProcess&) = delete;
  StartedProcess& operator=(const StartedProcess&) = delete;

  bool started() const { return started_; }
  GuiDriver driver() const { return GuiDriver(info_.dwThreadId); }
  // True when the program ended within `timeoutMs`.
  bool WaitEnd(int timeoutMs = 20000) const;
  DWORD ExitCode() const;

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

// A visible top-level window of any process with the caption `caption` (CP932), and the
// full path of the program that shows it; none within `timeoutMs`.
HWND WaitForTopWindow(const std::string& caption, int timeoutMs = 20000);
std::string ProgramOfWindow(HWND window);
// The full path of the program that started the one showing `window`.
std::string ParentProgramOfWindow(HWND window);
// The driver of the thread that owns `window`.
GuiDriver DriverOf(HWND window);

// Polls `done` until it holds or `timeoutMs` has passed (support/poll.h).
bool WaitUntil(int timeoutMs, const std::function<bool()>& done);

// Files and folders, by CP932 paths.
bool Exists(const std::string& path);
bool IsFolder(const std::string& path);
std::string ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);
// The names in `folder`, without "." and "..", sorted.
std::vector<std::string> Names(const std::string& folder);
// Removes a folder tree; quiet when it is not there. A link in it is removed itself, never
// entered.
void RemoveTree(const std::string& folder);

// True when this runs under Wine.
bool UnderWine();
// Makes `link` a symbolic link to the folder `target`: under Wine a link of the host's file
// system (Wine makes none itself), on Windows a directory symbolic link. False when the
// system cannot make one.
bool MakeFolderLink(const std::string& link, const std::string& target);
// Removes the link `link` itself, never its target.
void RemoveLink(const std::string& link);
// True when `path` is marked a reparse point.
bool IsReparsePoint(const std::string& path);

// Registry values, by CP932 texts; none when missing.
std::optional<std::string> RegistryText(HKEY root, const std::string& key, const std::string& name);
bool KeyExists(HKEY root, const std::string& key);
// The user's shell folder `name` ("Programs", "Desktop", "Startup"), as the setup reads it.
std::string ShellFolder(const std::string& name);

// True when the system deletes `path` at its next restart.
bool IsPendingDeletion(const std::string& path);

// The environment variable `name` (CP932); empty when unset.
std::string Environment(const char* name);

}  // namespace mogura::test
