#include "setup/shortcuts.h"

#include <optional>
#include <vector>

#include "base/cp932.h"
#include "base/path_parts.h"
#include "base/string_table.h"
#include "setup/folder_creation.h"
#include "setup/progman_commands.h"
#include "setup/setup_info.h"
#include "setup/setup_paths.h"
#include "setup/setup_text.h"

namespace mogura {
namespace {

constexpr std::string_view kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The place's folder with a backslash; none when the value is missing or empty, which would
// otherwise put the links, and their removal, at the root of the current drive.
std::optional<std::string> ShellFolder(SetupEdge& edge, ShortcutPlace place) {
  auto key = edge.registry.open(RegistryRoot::CurrentUser, kShellFoldersKey, RegistryAccess::Read);
  std::string folder;
  if (!key || !ReadTextUpToTerminator(*key, ShortcutPlaceName(place), &folder) || folder.empty()) return std::nullopt;
  return WithTrailingSeparator(folder, kBackslash);
}

bool UsesGroupFolder(const SetupContext& context, ShortcutPlace place) {
  return place == ShortcutPlace::Programs && context.groupCount > 0;
}

ShellLink MakeLink(std::string_view folder, std::string_view name, std::string_view target) {
  const std::size_t comma = FindCharDbcs(target, ',');
  ShellLink link;
  link.file = Concat({folder, name, ".lnk"});
  link.target = std::string(target.substr(0, comma));
  if (comma != std::string_view::npos) link.arguments = std::string(target.substr(comma + 1));
  link.description = std::string(name);
  return link;
}

struct Item {
  std::string name;
  std::string target;
};

// The Program Manager's items: the group entries, or the main program and the removal.
std::vector<Item> ProgmanItems(const SetupContext& context) {
  std::vector<Item> items;
  for (unsigned n = 1; n <= context.groupCount; ++n) {
    GroupEntry entry = ResolveGroupEntry(context, n);
    items.push_back({std::move(entry.caption), std::move(entry.target)});
  }
  if (items.empty()) {
    items.push_back({context.title, ResolveFileEntry(context, 1).target});
    items.push_back({Concat({context.setupFileName, LoadText(IDS_SETUP_REMOVAL_SUFFIX)}),
                     Concat({ResolveFileEntry(context, -1).target, ",/r"})});
  }
  return items;
}

void CreateShellLinks(SetupEdge& edge, const SetupContext& context, ShortcutPlace place) {
  std::optional<std::string> folder = ShellFolder(edge, place);
  // Link and group names become file names: a name that would climb out of the shell folder
  // is not made (and never removed).
  if (!folder || !IsPlainName(context.title)) return;
  std::vector<ShellLink> links;
  if (UsesGroupFolder(context, place)) {
    *folder += Concat({context.title, "\\"});
    if (!CreateFolderLevel(edge, *folder, NewFolder::Plain)) return;
    for (unsigned n = 1; n <= context.groupCount; ++n) {
      const GroupEntry entry = ResolveGroupEntry(context, n);
      if (IsPlainName(entry.caption)) links.push_back(MakeLink(*folder, entry.caption, entry.target));
    }
  } else {
    links.push_back(MakeLink(*folder, context.title, ResolveFileEntry(context, 1).target));
  }
  edge.links.save(links);
}

void CreateProgmanItems(SetupEdge& edge, const SetupContext& context, ShortcutPlace place) {
  const std::vector<Item> items = ProgmanItems(context);
  std::vector<std::string> commands;
  if (place == ShortcutPlace::Programs) {
    commands.push_back(CreateGroupCommand(context.title));
    for (const Item& item : items) {
      commands.push_back(AddItemCommand(ItemCommandLine(edge.files, item.target), item.name));
    }
  } else if (place == ShortcutPlace::Startup) {
    commands.push_back(ShowStartupGroupCommand());
    commands.push_back(AddItemCommand(ItemCommandLine(edge.files, items.front().target), context.title));
  }
  if (!commands.empty()) edge.programManager.execute(commands);
}

void RemoveShellLinks(SetupEdge& edge, const SetupContext& context, ShortcutPlace place) {
  const std::optional<std::string> folder = ShellFolder(edge, place);
  if (!folder || !IsPlainName(context.title)) return;
  if (UsesGroupFolder(context, place)) {
    const std::string group = Concat({*folder, context.title, "\\"});
    for (unsigned n = 1; n <= context.groupCount; ++n) {
      const GroupEntry entry = ResolveGroupEntry(context, n);
      if (IsPlainName(entry.caption)) edge.files.removeFile(Concat({group, entry.caption, ".lnk"}));
    }
    edge.files.removeFolder(std::string(WithoutTrailingSeparator(group, kBackslash)));
  } else {
    edge.files.removeFile(Concat({*folder, context.title, ".lnk"}));
  }
}

void RemoveProgmanItems(SetupEdge& edge, const SetupContext& context, ShortcutPlace place) {
  if (place == ShortcutPlace::Startup) {
    edge.programManager.execute({ShowStartupGroupCommand(), DeleteItemCommand(context.title)});
  } else {
    edge.programManager.execute({DeleteGroupCommand(context.title)});
  }
}

}  // namespace

std::string_view ShortcutPlaceName(ShortcutPlace place) {
  switch (place) {
    case ShortcutPlace::Programs:
      return "Programs";
    case ShortcutPlace::Desktop:
      return "Desktop";
    case ShortcutPlace::Startup:
      break;
  }
  return "Startup";
}

void CreateShortcuts(SetupEdge& edge, const SetupContext& context, ShortcutPlace place) {
  if (context.hasShellFolders) {
    CreateShellLinks(edge, context, place);
  } else {
    CreateProgmanItems(edge, context, place);
  }
}

void CreateChosenShortcuts(SetupEdge& edge, const SetupContext& context) {
  if (context.isResident) {
    CreateShortcuts(edge, context, ShortcutPlace::Startup);
    return;
  }
  if (context.wantStartMenu) CreateShortcuts(edge, context, ShortcutPlace::Programs);
  if (context.wantDesktop) CreateShortcuts(edge, context, ShortcutPlace::Desktop);
}

void RemoveShortcuts(SetupEdge& edge, const SetupContext& context, ShortcutPlace place) {
  if (context.hasShellFolders) {
    RemoveShellLinks(edge, context, place);
  } else {
    RemoveProgmanItems(edge, context, place);
  }
}

}  // namespace mogura
