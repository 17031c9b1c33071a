// The shell of the setup program: the product's document is opened for the user, as its
// program is started (user_start.h).
#pragma once

#include "platform/shell.h"

namespace mogura::win32 {

class SetupShell : public Shell {
 public:
  std::string desktopFolder() override;
  // A relative path is taken from the current folder.
  bool openDocument(const std::string& path) override;
};

}  // namespace mogura::win32
