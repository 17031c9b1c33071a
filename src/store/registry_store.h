// The settings store in the registry, below HKEY_CURRENT_USER\Software\Pikomaru. Integers are
// REG_DWORD; texts are REG_SZ holding exactly the text's characters, no terminator counted; a
// terminator found on reading is dropped. Sub-keys enumerate in the registry's own order.
#pragma once

#include <string_view>

#include "platform/registry.h"
#include "store/memory_store.h"
#include "store/settings_key.h"

namespace mogura {

// HKEY_CURRENT_USER\Software\Pikomaru, created when missing; invalid on failure.
SettingsKey OpenRegistryMakerKey(Registry& registry);

// The settings root HKEY_CURRENT_USER\Software\Pikomaru\<profile>, created when missing;
// invalid on failure.
SettingsKey OpenRegistrySettingsRoot(Registry& registry, std::string_view profile);

// Copies the values (integers and texts; others are passed over) and the sub-keys below `key`
// into `node`, only reading. False when a part cannot be read, or the tree is deeper than any
// settings of ours.
bool CopyRegistryKey(RegistryKey& key, MemoryKeyNode* node);

}  // namespace mogura
