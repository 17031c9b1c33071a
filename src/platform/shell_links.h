// Shortcuts (shell links) and the Program Manager's groups: the two ways of putting a program
// into the user's menus.
#pragma once

#include <string>
#include <vector>

namespace mogura {

struct ShellLink {
  std::string file;         // where the link is saved: folder + name + ".lnk"; overwritten
  std::string target;       // the program or document it starts
  std::string arguments;    // command-line arguments, may be empty
  std::string description;  // the link's name
};

class ShellLinks {
 public:
  virtual ~ShellLinks() = default;
  // Saves the links of one place in one session of the shell-link component; a link whose
  // object cannot be created or saved is skipped.
  virtual void save(const std::vector<ShellLink>& links) = 0;
};

// The Program Manager of systems without shell folders, reached by dynamic data exchange
// (service and topic "PROGMAN").
class ProgramManager {
 public:
  virtual ~ProgramManager() = default;
  // Sends each command text as one execute transaction of one conversation, with a time-out
  // of 10 seconds each; results are ignored, and nothing happens when no one answers.
  virtual void execute(const std::vector<std::string>& commands) = 0;
};

}  // namespace mogura
