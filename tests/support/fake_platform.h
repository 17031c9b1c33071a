// Fakes of the user-interaction and shell edges, and a file system that fails on purpose.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/shell.h"
#include "platform/user_interaction.h"

namespace mogura::test {

struct ShownMessage {
  std::string text;
  MessageIcon icon;
  MessageButtons buttons;
  MessageAnswer defaultAnswer;
};

// Records every message box and answers questions with `answer`.
class FakeInteraction : public UserInteraction {
 public:
  MessageAnswer messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons,
                           MessageAnswer defaultAnswer) override {
    messages.push_back({text, icon, buttons, defaultAnswer});
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
  }
  void setWaitCursor(bool on) override {
    waitDepth += on ? 1 : -1;
    if (on) ++waitCursorShown;
  }

  MessageAnswer answer = MessageAnswer::No;
  std::vector<ShownMessage> messages;
  int waitDepth = 0;
  int waitCursorShown = 0;
};

class FakeShell : public Shell {
 public:
  std::string desktopFolder() override { return desktop; }
  bool openDocument(const std::string& path) override {
    opened.push_back(path);
    return true;
  }
  std::string desktop;
  std::vector<std::string> opened;
};

// The file operations that FaultyFileSystem counts and can make fail.
enum class FileOp { kOpen, kWrite, kClose, kRename };

// The host file system, except that files named in `failingWrites` accept no byte, files
// named in `unopenable` cannot be created, and the Nth open (createFile), write, close or
// rename (replaceFile) can be made to fail. Every such operation is logged.
class FaultyFileSystem : public FileSystem {
 public:
  char separator() const override { return host_.separator(); }
  std::unique_ptr<InputFile> openRead(const std::string& path) override { return host_.openRead(path); }
  std::unique_ptr<OutputFile> createFile(const std::string& path) override;
  bool exists(const std::string& path) override { return host_.exists(path); }
  bool isDirectory(const std::string& path) override { return host_.isDirectory(path); }
  bool findFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>* names) override {
    return host_.findFiles(folder, pattern, names);
  }
  bool createFolder(const std::string& path) override { return host_.createFolder(path); }
  bool removeFolder(const std::string& path) override { return host_.removeFolder(path); }
  bool removeFile(const std::string& path) override { return host_.removeFile(path); }
  bool copyFile(const std::string& from, const std::string& to) override { return host_.copyFile(from, to); }
  bool replaceFile(const std::string& from, const std::string& to) override;

  // Makes the `n`th operation of kind `op` fail (counted from 1 from now on; 0: none). A
  // failed open creates nothing, a failed write writes nothing, a failed close still closes,
  // a failed rename leaves both files as they were.
  void failNth(FileOp op, int n) {
    failOp_ = op;
    failAt_ = n;
    ops.clear();
  }
  // The operations of kind `op` so far, and the path of each.
  std::vector<std::string> pathsOf(FileOp op) const;

  struct Logged {
    FileOp op;
    std::string path;
    bool failed;
  };
  std::vector<Logged> ops;
  std::set<std::string> failingWrites;
  std::set<std::string> unopenable;
  std::vector<std::string> created;  // every path createFile was asked for, in order

  // Logs the operation; true when it is the one to fail.
  bool fails(FileOp op, const std::string& path);

 private:
  FileSystem& host_ = HostFileSystem();
  FileOp failOp_ = FileOp::kOpen;
  int failAt_ = 0;
};

}  // namespace mogura::test
