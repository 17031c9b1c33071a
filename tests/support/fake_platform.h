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

// The host file system, except that files named in `failingWrites` accept no byte and files
// named in `unopenable` cannot be created.
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
  bool replaceFile(const std::string& from, const std::string& to) override {
    return host_.replaceFile(from, to);
  }

  std::set<std::string> failingWrites;
  std::set<std::string> unopenable;
  std::vector<std::string> created;  // every path createFile was asked for, in order

 private:
  FileSystem& host_ = HostFileSystem();
};

}  // namespace mogura::test
