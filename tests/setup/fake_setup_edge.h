// A whole machine in memory for the setup tests: a case-insensitive Windows file system with
// drive letters and links, and the system's folders; with the test machine's registry,
// shell-link and Program Manager services, scripted user (who answers Yes) and recording shell.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "base/string_table.h"
#include "setup/setup_context.h"
#include "setup/setup_edge.h"
#include "setup/setup_start.h"
#include "support/memory_registry.h"
#include "support/path_tree.h"
#include "support/recording_shell.h"
#include "support/recording_shell_links.h"
#include "support/scripted_interaction.h"

namespace mogura::test {

// A text of the string table as a string, for building expected messages.
inline std::string Text(int id) { return std::string(LoadText(id)); }

class FakeDisk : public FileSystem {
 public:
  struct Node {
    bool folder = false;
    std::string bytes;
    bool readOnly = false;
    bool inUse = false;        // open elsewhere: cannot be replaced or deleted
    bool undeletable = false;  // deleting or removing fails
    bool isProtected = false;  // made by createProtectedFolder
    std::string linkTarget;    // a link (symbolic link, junction) to this absolute path
  };

  // Test set-up: folders, files and links with every folder above them. A link to a folder
  // is a folder to the system's eyes (its attributes say so), as a junction is.
  void addFolder(const std::string& path);
  Node& addFile(const std::string& path, const std::string& bytes = "x");
  Node& addLink(const std::string& path, const std::string& target, bool toFolder);
  // These look at `path` itself: the links above it are followed, a link at its end is not.
  bool has(const std::string& path) const { return find(path) != nullptr; }
  bool hasFolder(const std::string& path) const;
  bool isProtectedFolder(const std::string& path) const;
  Node* node(const std::string& path);
  std::string bytesOf(const std::string& path) const;
  // Every path below `folder`, as spelled, in directory order.
  std::vector<std::string> below(const std::string& folder) const;

  std::string currentFolder = "C:\\";
  std::optional<DiskFreeSpace> space = DiskFreeSpace{512, 8, 10000000};
  std::map<std::string, std::string> shortNames;
  bool acceptsDeleteAtRestart = true;
  std::vector<std::string> deletedAtRestart;
  std::set<std::string> uncreatableFolders;

  // FileSystem. As on Windows, opening, creating and copying follow every link on the way,
  // the last one too; removing a link removes the link alone.
  char separator() const override { return '\\'; }
  std::unique_ptr<InputFile> openRead(const std::string& path) override;
  std::unique_ptr<OutputFile> createFile(const std::string& path) override;
  bool exists(const std::string& path) override { return has(path); }
  bool isDirectory(const std::string& path) override { return hasFolder(path); }
  bool findFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>* names) override;
  bool createFolder(const std::string& path) override;
  bool removeFolder(const std::string& path) override;
  bool removeFile(const std::string& path) override;
  bool copyFile(const std::string& from, const std::string& to) override {
    return copy(from, to, true) == CopyOutcome::Copied;
  }
  bool replaceFile(const std::string& from, const std::string& to) override;

  bool listFolder(const std::string& folder, std::vector<FolderEntry>* entries) override;
  bool isLink(const std::string& path) override;
  bool removeLink(const std::string& path) override;
  bool createProtectedFolder(const std::string& path) override;
  CopyOutcome copy(const std::string& from, const std::string& to, bool replaceExisting) override;
  bool setNormalAttributes(const std::string& path) override;
  bool freeSpace(const std::string& path, DiskFreeSpace* result) override;
  std::string shortPath(const std::string& path) override;
  bool deleteAtRestart(const std::string& path) override;
  bool setCurrentFolder(const std::string& folder) override {
    currentFolder = folder;
    return true;
  }

 private:
  std::string keyOf(const std::string& path) const;
  std::string absolute(const std::string& path) const;
  // The absolute path with the links on the way replaced by where they point, the last level
  // too when `followLast`; none when a link leads in a circle or through nothing.
  std::optional<std::string> resolved(const std::string& path, bool followLast) const;
  std::optional<std::string> resolved(const std::string& path, bool followLast, int* hops) const;
  const Node* find(const std::string& path) const;  // the last level not followed
  const Node* findFollowed(const std::string& path) const;
  bool parentIsFolder(const std::string& key) const;
  Node& put(const std::string& path, bool folder);

  // By absolute path; a folder lists in creation order.
  PathTree<Node> tree_;
};

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

  FakeDisk disk;
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
