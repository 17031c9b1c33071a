#include "setup/link_check.h"

#include <string>

#include "base/cp932.h"

namespace mogura {

bool PassesThroughLink(FileSystem& files, std::string_view folder, std::string_view path) {
  if (folder.empty() || !path.starts_with(folder)) return true;  // not below it: never ours to touch
  // Each level ends at a backslash from the folder's own trailing one on, and at the end.
  for (std::size_t end = folder.size() - 1; end != std::string_view::npos;
       end = FindCharDbcs(path, '\\', end + 1)) {
    if (files.isLink(std::string(path.substr(0, end)))) return true;
  }
  return path.size() > folder.size() && files.isLink(std::string(path));
}

}  // namespace mogura
