// The Program Manager over dynamic data exchange (service and topic "PROGMAN").
#pragma once

#include "platform/shell_links.h"

namespace mogura::win32 {

class Win32ProgramManager : public ProgramManager {
 public:
  void execute(const std::vector<std::string>& commands) override;
};

}  // namespace mogura::win32
