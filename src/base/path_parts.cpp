#include "base/path_parts.h"

#include "base/cp932.h"

namespace mogura {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

PathParts SplitPath(std::string_view path, char separator) {
  PathParts parts;
  const bool windows = separator == '\\';
  if (windows && path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':') {
    parts.drive.assign(path.substr(0, 2));
    path.remove_prefix(2);
  }

  // One forward scan that steps over double-byte characters: the end of the folder is the
  // last separator, the extension starts at the last period after it.
  std::size_t nameStart = 0;
  std::size_t lastPeriod = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (c == separator || (windows && c == '/')) {
      nameStart = i + 1;
      lastPeriod = std::string_view::npos;
    } else if (c == '.') {
      lastPeriod = i;
    } else if (IsLeadByte(c)) {
      ++i;
    }
  }
  parts.folder.assign(path.substr(0, nameStart));
  const std::string_view name = path.substr(nameStart);
  if (lastPeriod == std::string_view::npos) {
    parts.baseName.assign(name);
  } else {
    parts.baseName.assign(name.substr(0, lastPeriod - nameStart));
    parts.extension.assign(name.substr(lastPeriod - nameStart));
  }
  return parts;
}

bool EndsWithSeparator(std::string_view path, char separator) {
  return !path.empty() && FindLastCharDbcs(path, separator) == path.size() - 1;
}

std::string WithTrailingSeparator(std::string_view path, char separator) {
  std::string out(path);
  if (!EndsWithSeparator(path, separator)) out += separator;
  return out;
}

std::string_view WithoutTrailingSeparator(std::string_view path, char separator) {
  return EndsWithSeparator(path, separator) ? path.substr(0, path.size() - 1) : path;
}

bool IsDriveRoot(std::string_view path) { return path.size() == 3 && StartsWithDriveRoot(path); }

bool StartsWithDriveRoot(std::string_view path) {
  return path.size() >= 3 && IsAsciiLetter(path[0]) && path[1] == ':' && path[2] == '\\';
}

}  // namespace mogura
