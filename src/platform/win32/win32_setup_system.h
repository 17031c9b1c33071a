// The running Windows system as the setup program sees it.
#pragma once

#include "setup/setup_system.h"

namespace mogura::win32 {

class Win32SetupSystem : public SetupSystem {
 public:
  std::string modulePath() override;
  std::string windowsFolder() override;
  std::string systemFolder() override;
  unsigned majorVersion() override;
};

// The current folder of the process (CP932), with no trailing backslash unless a drive root.
std::string CurrentFolder();

}  // namespace mogura::win32
