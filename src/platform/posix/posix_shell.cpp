#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>

#include "platform/posix/posix_path.h"
#include "platform/shell.h"

extern char** environ;

namespace mogura {
namespace {

class PosixShell : public Shell {
 public:
  std::string desktopFolder() override {
    std::string utf8;
    if (const char* xdg = std::getenv("XDG_DESKTOP_DIR"); xdg && *xdg) {
      utf8 = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
      utf8 = std::string(home) + "/Desktop";
    } else {
      return std::string();
    }
    while (utf8.size() > 1 && utf8.back() == '/') utf8.pop_back();
    std::string path;
    return posix::Utf8ToCp932(utf8, &path) ? path : std::string();
  }

  bool openDocument(const std::string& path) override {
    std::string utf8;
    if (!posix::Cp932ToUtf8(path, &utf8)) return false;
    // An argument vector, never a shell command line: the path is passed on as one argument.
    char program[] = "xdg-open";
    char* argv[] = {program, utf8.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program, nullptr, nullptr, argv, environ) != 0) return false;
    int status = 0;
    // xdg-open hands the file to the browser and returns at once.
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
};

}  // namespace

Shell& HostShell() {
  static PosixShell shell;
  return shell;
}

}  // namespace mogura
