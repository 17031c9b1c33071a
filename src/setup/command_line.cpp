#include "setup/command_line.h"

#include <algorithm>

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

std::string_view ArgumentsAfterProgramName(std::string_view commandLine) {
  std::size_t end;
  if (!commandLine.empty() && commandLine.front() == '"') {
    const std::size_t quote = FindCharDbcs(commandLine, '"', 1);
    end = quote == std::string_view::npos ? commandLine.size() : quote + 1;
  } else {
    end = std::min(FindCharDbcs(commandLine, ' '), FindCharDbcs(commandLine, '\t'));
    if (end == std::string_view::npos) end = commandLine.size();
  }
  std::string_view rest = commandLine.substr(end);
  while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
  return rest;
}

}  // namespace mogura
