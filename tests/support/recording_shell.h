// The test machine's shell: the desktop folder the test names, and every document opened,
// recorded and never shown.
#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace mogura::test {

class RecordingShell : public Shell {
 public:
  std::string desktopFolder() override { return desktop; }
  bool openDocument(const std::string& path) override {
    opened.push_back(path);
    return true;
  }

  // Without a trailing separator; empty: the desktop is unknown.
  std::string desktop;
  std::vector<std::string> opened;
};

}  // namespace mogura::test
