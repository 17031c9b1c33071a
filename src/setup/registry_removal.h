// Deleting registry keys at removal: the keys the information file lists in its "Reg" section,
// and the uninstall key (uninstall_entry.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"
#include "setup/setup_context.h"
#include "setup/setup_edge.h"

namespace mogura {

// Deletes `subkey` below `root` with all its subkeys. The walk reads subkey names by index from
// 0: a name other than the last one handled is deleted (the index stays, the keys after it
// move up); the same name again means its deletion failed, and the index moves on. An empty
// subkey names the root itself and is never deleted.
bool DeleteKeyTree(Registry& registry, RegistryRoot root, const std::string& subkey);

struct RegListKey {
  RegistryRoot root;
  std::string subkey;
};

// A "Reg" value: "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE" or "HKEY_CLASSES_ROOT" (byte for
// byte), a backslash and a key path of at least two levels, each level a name of its own (no
// empty level). None for any other root or separator, a key one level below its root, and a
// shared key of the system: one whose first two levels are SOFTWARE\Microsoft,
// SOFTWARE\Classes, SOFTWARE\Policies or SOFTWARE\WOW6432Node (in any case), or below the
// classes root WOW6432Node. Such a value would delete other programs' keys too.
std::optional<RegListKey> ParseRegListValue(std::string_view value);

// Deletes the key trees of "Reg"/1, 2, ... up to the first missing or empty value; a value
// that names no key below a root is told to the user and skipped.
void DeleteRegList(SetupEdge& edge, const SetupContext& context);

}  // namespace mogura
