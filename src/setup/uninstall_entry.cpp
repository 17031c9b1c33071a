#include "setup/uninstall_entry.h"

#include "setup/registry_removal.h"
#include "setup/setup_text.h"

namespace mogura {

std::string UninstallKeyPath(std::string_view folder) {
  return Concat({"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\", folder});
}

std::string UninstallCommand(const SetupContext& context) {
  return Concat({"\"", context.installPath, context.setupFileName, "\" /r"});
}

bool WriteUninstallEntry(SetupEdge& edge, const SetupContext& context) {
  auto key = edge.registry.create(RegistryRoot::LocalMachine, UninstallKeyPath(context.folder));
  if (!key) return false;
  bool ok = key->writeString("DisplayName", context.title);
  ok = key->writeString("UninstallString", UninstallCommand(context)) && ok;
  return ok;
}

void RemoveUninstallEntry(SetupEdge& edge, const SetupContext& context) {
  DeleteKeyTree(edge.registry, RegistryRoot::LocalMachine, UninstallKeyPath(context.folder));
}

}  // namespace mogura
