// Shortcuts as shell link objects of the shell-link component.
#pragma once

#include "platform/shell_links.h"

namespace mogura::win32 {

class Win32ShellLinks : public ShellLinks {
 public:
  void save(const std::vector<ShellLink>& links) override;
};

// The target and arguments of a saved link; false when it cannot be read. For tests and checks.
bool ReadShellLink(const std::string& file, std::string* target, std::string* arguments);

}  // namespace mogura::win32
