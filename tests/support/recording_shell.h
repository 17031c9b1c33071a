// The test machine's shell: the desktop folder the test names, and every document opened and
// program started, recorded and never shown or run.
#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace mogura::test {

struct StartedProgram {
  std::string program;  // or the document opened
  std::string arguments;
  std::string folder;  // the current folder it was started in
};

class RecordingShell : public Shell {
 public:
  std::string desktopFolder() override { return desktop; }
  bool openDocument(const std::string& path) override {
    opened.push_back(path);
    return true;
  }
  bool startProgram(const std::string& program, const std::string& arguments) override {
    started.push_back({program, arguments, folder()});
    return startSucceeds;
  }
  UserStart startProgramForUser(const std::string& program) override {
    startedForUser.push_back({program, std::string(), folder()});
    return userStart;
  }
  UserStart openDocumentForUser(const std::string& document) override {
    openedForUser.push_back({document, std::string(), folder()});
    return userStart;
  }

  // Without a trailing separator; empty: the desktop is unknown.
  std::string desktop;
  std::vector<std::string> opened;
  // The disk's current folder, when the test gives one: what the starts record as theirs.
  const std::string* currentFolder = nullptr;
  bool startSucceeds = true;
  std::vector<StartedProgram> started;  // with the running program's rights
  UserStart userStart = UserStart::Started;
  std::vector<StartedProgram> startedForUser;
  std::vector<StartedProgram> openedForUser;

 private:
  std::string folder() const { return currentFolder ? *currentFolder : std::string(); }
};

}  // namespace mogura::test
