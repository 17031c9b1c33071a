// The command texts sent to the Program Manager. Each quoted name is written as it is.
#pragma once

#include <string>
#include <string_view>

#include "platform/files.h"

namespace mogura {

// [CreateGroup("title",0)]
std::string CreateGroupCommand(std::string_view title);
// [AddItem("command line","name")]
std::string AddItemCommand(std::string_view commandLine, std::string_view name);
// [ShowGroup("スタートアップ",1)]
std::string ShowStartupGroupCommand();
// [DeleteGroup("title",0)]
std::string DeleteGroupCommand(std::string_view title);
// [DeleteItem("name")]
std::string DeleteItemCommand(std::string_view name);

// An item's command line: the short (8.3) form of the target path; a comma in the target
// becomes a blank, followed by the arguments after it.
std::string ItemCommandLine(FileSystem& files, std::string_view target);

}  // namespace mogura
