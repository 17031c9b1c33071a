// Where the running program is.
#pragma once

#include <string>

namespace mogura::win32 {

// The full path of the running program's file (CP932), however long it is; empty when the
// system cannot tell.
std::string ModulePath();

}  // namespace mogura::win32
