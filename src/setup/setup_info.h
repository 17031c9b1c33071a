// The setup information file (see docs/setup-info-format.md): reading it into the context, and
// resolving its file and group entries.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "setup/setup_context.h"
#include "setup/setup_edge.h"

namespace mogura {

inline constexpr std::string_view kInstallSection = "Install";
inline constexpr std::string_view kGroupSection = "Group";
inline constexpr std::string_view kRegSection = "Reg";

// The longest value read per key; the rest of a longer value is cut off.
inline constexpr std::size_t kLongestName = 99;    // Title, Folder
inline constexpr std::size_t kLongestFlag = 9;     // TSR
inline constexpr std::size_t kLongestEntry = 259;  // Open, file, group and Reg entries

// Keys of numbered entries: decimal, no leading zeros.
std::string KeyName(unsigned n);

// The information file at `path`, read without a word to the user; none when it is missing,
// cannot be read or is far larger than any information file.
std::optional<IniFile> ReadInfoFile(FileSystem& files, const std::string& path);

// Reads the information file at `context->infPath` and fills the title, folder, resident flag,
// entry counts, shell-folder flag and the proposed installation path (the default, or the
// folder of a previous installation). A missing file, an empty title or folder, or a folder
// that is not one plain name is told to the user; false then.
bool ReadSetupInfo(SetupEdge& edge, SetupContext* context);

struct FileEntry {
  std::string source;  // relative to the setup program's folder
  std::string target;  // installPath + the destination
  std::size_t relativeStart = 0;  // where the destination begins in `target`
  // False when the destination would leave the installation folder (a "..", a drive, a
  // leading backslash) or names no file in it: such an entry is neither copied nor deleted.
  bool staysInside = false;
};

// -1: the setup program itself; 0: the information file; n >= 1: "Install"/n, a source name
// and, after a comma, a destination (the source again without one).
FileEntry ResolveFileEntry(const SetupContext& context, int n);

struct GroupEntry {
  std::string caption;  // empty for an entry without a comma: the list ends there
  std::string target;   // installPath + the rest, which may hold ",arguments"
};

// "Group"/n: a caption, a comma and a target relative to the installation folder.
GroupEntry ResolveGroupEntry(const SetupContext& context, unsigned n);

}  // namespace mogura
