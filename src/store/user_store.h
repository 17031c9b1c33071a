// Where the user's own settings live: the registry key on Windows, a REGEDIT4 file on POSIX
// ($XDG_CONFIG_HOME/Pikomaru/mogura.reg, by default under ~/.config).
#pragma once

#include <string>

#include "store/memory_store.h"

namespace mogura {

// Copies the user's settings store into `tree`; a store that does not exist yet is empty.
// The store itself is only read. False with `*error` set when it cannot be read.
bool LoadUserSettingsSnapshot(MemoryTree* tree, std::string* error);

}  // namespace mogura
