#include "platform/folder_chooser.h"

#include "base/cp932.h"

namespace mogura {

std::string InitialFolderForBrowser(std::string_view folder) {
  const bool driveRoot = folder.size() == 3 && AsciiLower(folder[0]) >= 'a' && AsciiLower(folder[0]) <= 'z' &&
                         folder[1] == ':' && folder[2] == '\\';
  if (folder.empty() || driveRoot) return std::string(folder);
  const std::size_t last = FindLastCharDbcs(folder, '\\');
  if (last != std::string_view::npos && last + 1 == folder.size()) folder.remove_suffix(1);
  return std::string(folder);
}

std::string WithTrailingBackslash(std::string_view path) {
  std::string out(path);
  const std::size_t last = FindLastCharDbcs(path, '\\');
  if (last == std::string_view::npos || last + 1 != path.size()) out += '\\';
  return out;
}

}  // namespace mogura
