#include "setup/setup_info.h"

#include "base/cp932.h"
#include "base/string_table.h"
#include "setup/setup_paths.h"
#include "setup/uninstall_entry.h"

namespace mogura {
namespace {

// Far above any real information file; a larger one is refused before it is read.
constexpr std::uint64_t kLargestInfoFile = 256 * 1024;
// The previous uninstall command is read into a buffer of this size.
constexpr std::size_t kLongestUninstallCommand = 260;

std::string InstallValue(const SetupContext& context, std::string_view key, std::size_t longest) {
  return context.info.value(kInstallSection, key, longest);
}

void ProposeInstallPath(SetupEdge& edge, SetupContext* context) {
  context->installPath = DefaultInstallPath(edge.system.windowsFolder(), context->folder);
  auto key = edge.registry.open(RegistryRoot::LocalMachine, UninstallKeyPath(context->folder), RegistryAccess::Read);
  std::string command;
  if (!key || !ReadTextUpToTerminator(*key, "UninstallString", &command)) return;
  if (auto previous = PreviousInstallFolder(CutToCharBoundary(command, kLongestUninstallCommand))) {
    context->installPath = std::move(*previous);
  }
}

}  // namespace

std::string KeyName(unsigned n) { return std::to_string(n); }

std::optional<IniFile> ReadInfoFile(FileSystem& files, const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(files, path, kLargestInfoFile, &bytes)) return std::nullopt;
  return IniFile(bytes);
}

bool ReadSetupInfo(SetupEdge& edge, SetupContext* context) {
  std::optional<IniFile> info = ReadInfoFile(edge.files, context->infPath);
  if (!info) {
    ShowError(edge.ui, std::string(LoadText(IDS_SETUP_INFO_BROKEN)));
    return false;
  }
  context->info = std::move(*info);
  context->title = InstallValue(*context, "Title", kLongestName);
  context->folder = InstallValue(*context, "Folder", kLongestName);
  // The folder is put after the program-files folder and the uninstall branch: one name only,
  // or the removal would reach other folders and keys.
  if (context->title.empty() || !IsPlainName(context->folder)) {
    ShowError(edge.ui, std::string(LoadText(IDS_SETUP_INFO_BROKEN)));
    return false;
  }
  context->isResident = InstallValue(*context, "TSR", kLongestFlag).starts_with('1');
  ProposeInstallPath(edge, context);

  context->fileCount = 0;
  while (!InstallValue(*context, KeyName(context->fileCount + 1), kLongestEntry).empty()) ++context->fileCount;
  context->groupCount = 0;
  while (FindCharDbcs(context->info.value(kGroupSection, KeyName(context->groupCount + 1), kLongestEntry), ',') !=
         std::string::npos) {
    ++context->groupCount;
  }
  context->hasShellFolders = edge.system.majorVersion() >= 4;
  return true;
}

FileEntry ResolveFileEntry(const SetupContext& context, int n) {
  FileEntry entry;
  std::string destination;
  if (n <= 0) {
    // Our own two files: the name is the whole text, even with a comma in it.
    entry.source = n < 0 ? context.setupFileName : context.infFileName;
    destination = entry.source;
  } else {
    const std::string text = InstallValue(context, KeyName(static_cast<unsigned>(n)), kLongestEntry);
    const std::size_t comma = FindCharDbcs(text, ',');
    entry.source = text.substr(0, comma);
    destination = comma == std::string::npos ? text : text.substr(comma + 1);
  }
  entry.relativeStart = context.installPath.size();
  entry.target = context.installPath + destination;
  entry.staysInside = StaysInsideFolder(destination);
  return entry;
}

GroupEntry ResolveGroupEntry(const SetupContext& context, unsigned n) {
  const std::string text = context.info.value(kGroupSection, KeyName(n), kLongestEntry);
  const std::size_t comma = FindCharDbcs(text, ',');
  if (comma == std::string::npos) return {std::string(), context.installPath};
  return {text.substr(0, comma), context.installPath + text.substr(comma + 1)};
}

}  // namespace mogura
