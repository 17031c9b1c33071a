// A whole machine in memory for the setup tests: the test machine's disk, registry, shell-link
// and Program Manager services, scripted user (who answers Yes) and recording shell, with the
// system's folders.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/string_table.h"
#include "setup/setup_context.h"
#include "setup/setup_edge.h"
#include "setup/setup_start.h"
#include "support/memory_disk.h"
#include "support/memory_registry.h"
#include "support/recording_shell.h"
#include "support/recording_shell_links.h"
#include "support/scripted_interaction.h"

namespace mogura::test {

// A text of the string table as a string, for building expected messages.
inline std::string Text(int id) { return std::string(LoadText(id)); }

class FakeSystem : public SetupSystem {
 public:
  std::string modulePath() override { return module; }
  std::string windowsFolder() override { return windows; }
  std::string systemFolder() override { return system; }
  unsigned majorVersion() override { return version; }

  std::string module = "D:\\setup.exe";
  std::string windows = "C:\\WINDOWS";
  std::string system = "C:\\WINDOWS\\system32";
  unsigned version = 10;
};

// The machine with a distribution on drive D: and an empty drive C: with its Windows folder.
struct FakeSetup {
  FakeSetup();
  FakeSetup(const FakeSetup&) = delete;
  FakeSetup& operator=(const FakeSetup&) = delete;

  // Writes D:\setup.INF with these lines (joined with CR LF).
  void writeInfo(const std::vector<std::string>& lines, const std::string& path = "D:\\setup.INF");
  // The uninstall entry an installation of `folder` with the setup program `setupPath` leaves.
  void writeUninstallEntry(const std::string& folder, const std::string& setupPath);
  // PrepareSetup with `arguments`; the test fails when it does not succeed.
  SetupContext prepare(const std::string& arguments = "") {
    SetupCommand command;
    SetupContext context;
    EXPECT_TRUE(PrepareSetup(edge, arguments, &command, &context)) << arguments;
    return context;
  }

  MemoryDisk disk;
  MemoryRegistry registry;
  RecordingShellLinks links;
  RecordingProgramManager progman;
  ScriptedInteraction ui;
  RecordingShell shell;
  FakeSystem system;
  SetupEdge edge{disk, registry, links, progman, ui, shell, system};
};

// "ソ" and "表": double-byte characters whose trail byte is a backslash.
inline const std::string kSo = "\x83\x5C";
inline const std::string kHyo = "\x95\x5C";

// The shell-folder key and the folders it names for the three places.
inline const std::string kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline const std::string kProgramsFolder = "C:\\Users\\u\\Start Menu\\Programs";
inline const std::string kDesktopFolder = "C:\\Users\\u\\Desktop";
inline const std::string kStartupFolder = "C:\\Users\\u\\Start Menu\\Programs\\Startup";

}  // namespace mogura::test
