// The user's settings on Windows: the registry key HKEY_CURRENT_USER\Software\Pikomaru\mogura,
// copied into memory without opening anything for writing.
#include "store/user_store.h"
#include "store/registry_store.h"
#include "platform/win32/win32_registry.h"

namespace mogura {

bool LoadUserSettingsSnapshot(MemoryTree* tree, std::string* error) {
  MemoryTree copy;
  const std::unique_ptr<RegistryKey> root =
      win32::HostRegistry().open(RegistryRoot::CurrentUser, "Software\\Pikomaru\\mogura", RegistryAccess::Read);
  if (root && !CopyRegistryKey(*root, copy.root().get())) {
    *error = "the registry key HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura cannot be read";
    return false;
  }
  tree->replaceContent(copy);  // a key that does not exist yet is an empty store
  return true;
}

}  // namespace mogura
