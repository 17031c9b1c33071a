// The settings store in the Windows registry, below HKEY_CURRENT_USER\Software\Pikomaru.
// Integers are REG_DWORD; texts are REG_SZ holding exactly the text's characters (UTF-16
// through code page 932), no terminator counted; a terminator found on reading is dropped.
// Sub-keys enumerate in the registry's own order.
#pragma once

#include <string_view>

#include "store/settings_key.h"

namespace mogura::win32 {

// HKEY_CURRENT_USER\Software\Pikomaru, created when missing; invalid on failure.
SettingsKey OpenRegistryMakerKey();

// The settings root HKEY_CURRENT_USER\Software\Pikomaru\<profile>, created when missing;
// invalid on failure.
SettingsKey OpenRegistrySettingsRoot(std::string_view profile);

}  // namespace mogura::win32
