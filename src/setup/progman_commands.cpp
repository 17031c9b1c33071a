#include "setup/progman_commands.h"

#include "base/cp932.h"
#include "base/string_table.h"
#include "setup/setup_text.h"

namespace mogura {

std::string CreateGroupCommand(std::string_view title) { return Concat({"[CreateGroup(\"", title, "\",0)]"}); }

std::string AddItemCommand(std::string_view commandLine, std::string_view name) {
  return Concat({"[AddItem(\"", commandLine, "\",\"", name, "\")]"});
}

std::string ShowStartupGroupCommand() {
  return Concat({"[ShowGroup(\"", LoadText(IDS_SETUP_STARTUP_GROUP), "\",1)]"});
}

std::string DeleteGroupCommand(std::string_view title) { return Concat({"[DeleteGroup(\"", title, "\",0)]"}); }

std::string DeleteItemCommand(std::string_view name) { return Concat({"[DeleteItem(\"", name, "\")]"}); }

std::string ItemCommandLine(FileSystem& files, std::string_view target) {
  const std::size_t comma = FindCharDbcs(target, ',');
  std::string line = files.shortPath(std::string(target.substr(0, comma)));
  if (comma != std::string_view::npos) line += Concat({" ", target.substr(comma + 1)});
  return line;
}

}  // namespace mogura
