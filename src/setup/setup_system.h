// The running system as the setup program sees it: its folders and its version.
#pragma once

#include <string>

namespace mogura {

class SetupSystem {
 public:
  virtual ~SetupSystem() = default;
  // The full path of the running setup program.
  virtual std::string modulePath() = 0;
  // The Windows folder and the system folder, as the system gives them (no trailing backslash
  // unless they are a drive root).
  virtual std::string windowsFolder() = 0;
  virtual std::string systemFolder() = 0;
  // The operating system's major version (4 and above have shell folders).
  virtual unsigned majorVersion() = 0;
};

}  // namespace mogura
