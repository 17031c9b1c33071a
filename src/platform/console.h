// Text output of the command-line front end, in the terminal's encoding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mogura {

enum class ConsoleStream { Out, Error };

// Writes CP932 `text` to standard output or standard error: as UTF-8 on POSIX; on Windows as
// UTF-16 to a console, or as UTF-8 bytes when the stream is redirected. False on failure.
bool ConsoleWrite(ConsoleStream stream, std::string_view text);

// The command-line arguments as CP932 byte strings (on Windows from the wide command line).
std::vector<std::string> CommandLineArguments(int argc, char** argv);

}  // namespace mogura
