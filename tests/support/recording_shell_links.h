// The test machine's shell-link services: every batch of links saved and every Program
// Manager conversation, recorded and never carried out.
#pragma once

#include <string>
#include <vector>

#include "platform/shell_links.h"

namespace mogura::test {

class RecordingShellLinks : public ShellLinks {
 public:
  void save(const std::vector<ShellLink>& links) override { sessions.push_back(links); }
  std::vector<std::vector<ShellLink>> sessions;
};

class RecordingProgramManager : public ProgramManager {
 public:
  void execute(const std::vector<std::string>& commands) override { conversations.push_back(commands); }
  std::vector<std::vector<std::string>> conversations;
};

}  // namespace mogura::test
