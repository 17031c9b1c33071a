// mogura-cli: the generation job and the settings from the command line.
//
//   mogura-cli make [--settings FILE.reg] [--folder DIR] [--drawer TITLE]
//                   [--kind diary|pet|event] [--out PATH | --desktop] [--yes] [--open]
//   mogura-cli settings export OUT.reg [--settings FILE.reg]
//   mogura-cli --help | --version
//
// Exit status: 0 success, 1 the job failed (its message was printed), 2 a usage error or a
// settings file that cannot be read.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "store/memory_store.h"

namespace mogura {

// What the command line needs of the platform; tests hand in fakes.
struct CliPlatform {
  FileSystem& files;
  Shell& shell;
  // Writes CP932 text to standard output or standard error.
  std::function<void(ConsoleStream, std::string_view)> write;
  // Copies the user's own settings store (the registry key, or the settings file) into
  // `tree`; a store that does not exist yet is empty. False with `*error` set when the store
  // cannot be read.
  std::function<bool(MemoryTree* tree, std::string* error)> loadUserStore;
};

inline constexpr int kCliSuccess = 0;
inline constexpr int kCliJobFailed = 1;
inline constexpr int kCliUsageError = 2;

// `args` are the arguments after the program name, as CP932 texts.
int RunCli(const std::vector<std::string>& args, CliPlatform& platform);

}  // namespace mogura
