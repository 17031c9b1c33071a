// The removal copy is started by the installed setup program, which it deletes: it waits for
// that program to end first.
#pragma once

#include <string>

namespace mogura::win32 {

// When the process that started this one runs the program `program`, waits until it has
// ended, at most `timeoutMs`. True when it has ended (or is no longer there).
bool WaitForParentProgram(const std::string& program, unsigned timeoutMs);

}  // namespace mogura::win32
