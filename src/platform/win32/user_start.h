// Starting programs and documents for the user rather than for the elevated setup program:
// a program that setup.exe starts itself inherits its administrator rights, so on a system
// that elevated us, the desktop's shell is asked to start it, as a double-click would.
#pragma once

#include <string>

namespace mogura::win32 {

// True when this process runs with rights the user's own programs do not have.
bool ProcessIsElevated();

// Asks the desktop's shell to start `file` (a program or a document, full path) with
// `arguments` in `folder`, with the shell's "open" action, in a normal window. False when
// there is no desktop shell to ask or it refused; the shell tells nothing of the start itself.
bool StartThroughDesktopShell(const std::string& file, const std::string& arguments, const std::string& folder);

}  // namespace mogura::win32
