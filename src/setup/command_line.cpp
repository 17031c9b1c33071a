#include "setup/command_line.h"

#include "base/cp932.h"

namespace mogura {

SetupCommand ParseCommandLine(std::string_view arguments) {
  if (!arguments.empty() && arguments.front() == '/') arguments.remove_prefix(1);
  SetupCommand command;
  if (arguments.empty()) return command;
  if (arguments.front() == 'r' || arguments.front() == 'R') {
    command.mode = SetupMode::StartRemoval;
  } else if (arguments.front() == 'x') {
    command.mode = SetupMode::Remove;
    std::string_view path = arguments.size() > 2 ? arguments.substr(2) : std::string_view();
    if (!path.empty() && path.front() == '"') {
      path.remove_prefix(1);
      path = path.substr(0, FindCharDbcs(path, '"'));
    }
    command.path = std::string(path);
  }
  return command;
}

}  // namespace mogura
