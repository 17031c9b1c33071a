// The setup program's command line: installation, the start of the removal, or the removal
// proper by the temporary copy.
#pragma once

#include <string>
#include <string_view>

namespace mogura {

enum class SetupMode {
  Install,       // no argument, or any other
  StartRemoval,  // "r" or "R": confirm, copy ourselves away and start the copy
  Remove,        // "x <path of the installed setup program>": the copy removes the installation
};

struct SetupCommand {
  SetupMode mode = SetupMode::Install;
  std::string path;  // Remove only: the installed setup program
};

// `arguments` is the command line after the program's own name and the blanks after it. Only
// the first character after one optional leading '/' decides; for "x" the text from the third
// character on is the path (a pair of quotes around it is dropped).
SetupCommand ParseCommandLine(std::string_view arguments);

// The arguments of a whole command line as the system gives it: what follows the program's
// name (in quotes, or up to the first blank) and the blanks after it.
std::string_view ArgumentsAfterProgramName(std::string_view commandLine);

}  // namespace mogura
