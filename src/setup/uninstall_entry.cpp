#include "setup/uninstall_entry.h"

#include "base/cp932.h"
#include "setup/registry_removal.h"
#include "setup/setup_paths.h"
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
  bool ok = key->writeText("DisplayName", context.title, TextEnd::Terminated);
  ok = key->writeText("UninstallString", UninstallCommand(context), TextEnd::Terminated) && ok;
  return ok;
}

bool IsInstalledSetup(SetupEdge& edge, const SetupContext& context) {
  auto key =
      edge.registry.open(RegistryRoot::LocalMachine, UninstallKeyPath(context.folder), RegistryAccess::Read);
  std::string command;
  if (!key || !ReadTextUpToTerminator(*key, "UninstallString", &command)) return false;
  const std::optional<std::string> installed = UninstallProgram(command);
  if (!installed) return false;
  const std::string named = context.setupFolder + context.setupFileName;
  // The same file by another spelling: letters in another case, or its short (8.3) form.
  return EqualsNoCase(*installed, named) ||
         EqualsNoCase(edge.files.shortPath(*installed), edge.files.shortPath(named));
}

void RemoveUninstallEntry(SetupEdge& edge, const SetupContext& context) {
  DeleteKeyTree(edge.registry, RegistryRoot::LocalMachine, UninstallKeyPath(context.folder));
}

}  // namespace mogura
