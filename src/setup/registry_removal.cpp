#include "setup/registry_removal.h"

#include "base/cp932.h"
#include "base/string_table.h"
#include "setup/setup_info.h"

namespace mogura {

bool DeleteKeyTree(Registry& registry, RegistryRoot root, const std::string& subkey) {
  if (subkey.empty()) return false;
  if (auto key = registry.open(root, subkey, RegistryAccess::Full)) {
    std::string last;
    std::string name;
    for (std::uint32_t index = 0; key->subkeyName(index, &name);) {
      // An empty name would name this key again.
      if (name.empty() || EqualsNoCase(name, last)) {
        ++index;
        continue;
      }
      DeleteKeyTree(registry, root, subkey + '\\' + name);
      last = name;
    }
  }
  return registry.deleteKey(root, subkey);
}

std::optional<RegListKey> ParseRegListValue(std::string_view value) {
  static const struct {
    std::string_view name;
    RegistryRoot root;
  } kRoots[] = {{"HKEY_CURRENT_USER", RegistryRoot::CurrentUser},
                {"HKEY_LOCAL_MACHINE", RegistryRoot::LocalMachine},
                {"HKEY_CLASSES_ROOT", RegistryRoot::ClassesRoot}};
  for (const auto& known : kRoots) {
    if (value.substr(0, known.name.size()) != known.name) continue;
    const std::string_view rest = value.substr(known.name.size());
    // One backslash, then a key path that does not start at the root again.
    if (rest.size() < 2 || rest[0] != '\\' || rest[1] == '\\') return std::nullopt;
    return RegListKey{known.root, std::string(rest.substr(1))};
  }
  return std::nullopt;
}

void DeleteRegList(SetupEdge& edge, const SetupContext& context) {
  for (unsigned n = 1;; ++n) {
    const std::string value = context.info.value(kRegSection, KeyName(n), kLongestEntry);
    if (value.empty()) break;
    if (const auto key = ParseRegListValue(value)) {
      DeleteKeyTree(edge.registry, key->root, key->subkey);
    } else {
      ShowError(edge.boxes, std::string(LoadText(IDS_SETUP_REG_BROKEN)));
    }
  }
}

}  // namespace mogura
