// The shell part of the platform edge. Paths are CP932 bytes.
#pragma once

#include <string>

namespace mogura {

class Shell {
 public:
  virtual ~Shell() = default;
  // The user's file-system desktop folder, without a trailing separator; empty when unknown.
  virtual std::string desktopFolder() = 0;
  // Opens a document with the program associated with it (the browser for HTML pages).
  virtual bool openDocument(const std::string& path) = 0;
};

// The shell of the platform the program runs on.
Shell& HostShell();

}  // namespace mogura
