#include <unistd.h>

#include <cerrno>

#include "platform/console.h"
#include "platform/posix/posix_path.h"

namespace mogura {

bool ConsoleWrite(ConsoleStream stream, std::string_view text) {
  std::string utf8;
  if (!posix::Cp932ToUtf8(text, &utf8)) utf8.assign(text);  // show what we have rather than nothing
  const int fd = stream == ConsoleStream::Out ? STDOUT_FILENO : STDERR_FILENO;
  const char* p = utf8.data();
  std::size_t left = utf8.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) {
    std::string text;
    // Arguments arrive in the terminal's UTF-8; one that is no UTF-8 is passed on as it is.
    if (!posix::Utf8ToCp932(argv[i], &text)) text = argv[i];
    args.push_back(std::move(text));
  }
  return args;
}

}  // namespace mogura
