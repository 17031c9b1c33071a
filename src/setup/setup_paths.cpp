#include "setup/setup_paths.h"

#include "base/cp932.h"
#include "base/path_parts.h"

namespace mogura {
namespace {


}  // namespace

std::string InfFileNameFor(std::string_view setupFileName) {
  // Start of each of the last three characters, found from the front.
  std::size_t starts[3] = {0, 0, 0};
  std::size_t count = 0;
  for (std::size_t i = 0; i < setupFileName.size(); i += CharLengthAt(setupFileName, i)) {
    starts[count % 3] = i;
    ++count;
  }
  const std::size_t keep = count < 3 ? 0 : starts[count % 3];
  return std::string(setupFileName.substr(0, keep)) + "INF";
}

std::string DefaultInstallPath(std::string_view windowsFolder, std::string_view folder) {
  std::string path = windowsFolder.size() >= 2 && windowsFolder[1] == ':'
                         ? std::string(windowsFolder.substr(0, 2)) + "\\Program Files\\"
                         : std::string("c:\\");
  path += folder;
  path += '\\';
  return path;
}

std::optional<std::string> UninstallProgram(std::string_view uninstallCommand) {
  std::string_view program = uninstallCommand;
  if (!program.empty() && program[0] == '"') {
    program.remove_prefix(1);
    program = program.substr(0, FindCharDbcs(program, '"'));
  } else {
    // Not the first blank: an unquoted path may itself hold blanks ("Program Files").
    for (std::size_t blank = FindCharDbcs(program, ' '); blank != std::string_view::npos;
         blank = FindCharDbcs(program, ' ', blank + 1)) {
      if (blank + 1 < program.size() && program[blank + 1] == '/') {
        program = program.substr(0, blank);
        break;
      }
    }
  }
  if (FindLastCharDbcs(program, '\\') == std::string_view::npos) return std::nullopt;
  return std::string(program);
}

std::optional<std::string> PreviousInstallFolder(std::string_view uninstallCommand) {
  const std::optional<std::string> program = UninstallProgram(uninstallCommand);
  if (!program) return std::nullopt;
  return SplitPath(*program, kBackslash).parent();
}

bool IsPlainName(std::string_view name) {
  bool onlyDotsAndBlanks = true;
  for (std::size_t i = 0; i < name.size(); i += CharLengthAt(name, i)) {
    const char c = name[i];
    if (c == '\\' || c == '/' || c == ':') return false;
    if (IsLeadByte(c) && i + 1 == name.size()) return false;  // a character cut in half
    if (c != '.' && c != ' ') onlyDotsAndBlanks = false;
  }
  return !name.empty() && !onlyDotsAndBlanks;
}

bool StaysInsideFolder(std::string_view relative) {
  std::size_t begin = 0;
  for (std::size_t i = 0; i <= relative.size();) {
    if (i == relative.size() || relative[i] == '\\' || relative[i] == '/') {
      if (!IsPlainName(relative.substr(begin, i - begin))) return false;
      begin = ++i;
    } else {
      i += CharLengthAt(relative, i);
    }
  }
  return true;
}

}  // namespace mogura
