#include "setup/registry_removal.h"

#include <vector>

#include "base/cp932.h"
#include "base/string_table.h"
#include "setup/setup_info.h"

namespace mogura {
namespace {

// The levels of a key path; none when a level is empty (a doubled, leading or trailing
// backslash), so that no spelling of a path slips past the checks of its first levels.
std::optional<std::vector<std::string_view>> KeyLevels(std::string_view path) {
  std::vector<std::string_view> levels;
  std::size_t begin = 0;
  for (std::size_t end = FindCharDbcs(path, '\\');; end = FindCharDbcs(path, '\\', begin)) {
    const std::string_view level =
        path.substr(begin, end == std::string_view::npos ? path.size() - begin : end - begin);
    if (level.empty()) return std::nullopt;
    levels.push_back(level);
    if (end == std::string_view::npos) return levels;
    begin = end + 1;
  }
}

// Keys that every program on the system shares, by their first two levels.
bool IsSharedKey(RegistryRoot root, const std::vector<std::string_view>& levels) {
  static constexpr std::string_view kSharedBelowSoftware[] = {"Microsoft", "Classes", "Policies",
                                                              "WOW6432Node"};
  if (EqualsNoCase(levels[0], "SOFTWARE")) {
    for (std::string_view shared : kSharedBelowSoftware) {
      if (EqualsNoCase(levels[1], shared)) return true;
    }
  }
  // The classes root shows SOFTWARE\Classes: its 32-bit view is the same shared branch.
  return root == RegistryRoot::ClassesRoot && EqualsNoCase(levels[0], "WOW6432Node");
}

}  // namespace

bool DeleteKeyTree(Registry& registry, RegistryRoot root, const std::string& subkey) {
  if (subkey.empty()) return false;
  if (auto key = registry.open(root, subkey, RegistryAccess::Full)) {
    std::string last;
    std::string name;
    for (std::uint32_t index = 0; key->subKeyAt(index, &name) == RegistryItem::Found;) {
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
    // One backslash, then a key at least two levels below the root that is no shared key:
    // "HKEY_CURRENT_USER\Software" alone would take every program's settings with it.
    if (rest.empty() || rest[0] != '\\') return std::nullopt;
    const std::string_view path = rest.substr(1);
    const auto levels = KeyLevels(path);
    if (!levels || levels->size() < 2 || IsSharedKey(known.root, *levels)) return std::nullopt;
    return RegListKey{known.root, std::string(path)};
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
      ShowError(edge.ui, std::string(LoadText(IDS_SETUP_REG_BROKEN)));
    }
  }
}

}  // namespace mogura
