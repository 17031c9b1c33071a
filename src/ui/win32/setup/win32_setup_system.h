// The running Windows system as the setup program sees it.
#pragma once

#include "setup/setup_system.h"

namespace mogura::win32 {

// Who a started program runs as: the installation starts the installed program for the user;
// the removal starts its own copy with the rights it has.
enum class StartAs { User, Self };

class Win32SetupSystem : public SetupSystem {
 public:
  explicit Win32SetupSystem(StartAs startAs = StartAs::Self) : startAs_(startAs) {}
  void setStartAs(StartAs startAs) { startAs_ = startAs; }

  std::string modulePath() override;
  std::string windowsFolder() override;
  std::string systemFolder() override;
  unsigned majorVersion() override;
  bool setCurrentFolder(const std::string& folder) override;
  bool startProgram(const std::string& program, const std::string& arguments) override;

 private:
  StartAs startAs_;
};

// The current folder of the process (CP932), with no trailing backslash unless a drive root.
std::string CurrentFolder();

}  // namespace mogura::win32
