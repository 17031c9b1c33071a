#include "mailstore/mail_sources.h"

#include "base/cp932.h"

namespace mogura {
namespace {

constexpr char kDrawerExtension[] = ".krm";

// True when `text` begins with `prefix`, ASCII letters compared without regard to case. The
// trail byte of a double-byte character may lie in the ASCII letter range ("ア" is 0x83 0x41):
// it is compared exactly, never folded.
bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (IsLeadByte(prefix[i])) {
      if (text[i] != prefix[i]) return false;
      ++i;
      if (i < prefix.size() && text[i] != prefix[i]) return false;
      continue;
    }
    if (AsciiLower(text[i]) != AsciiLower(prefix[i])) return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> listDrawers(const std::string& receiveFolder, FileSystem& files) {
  std::vector<std::string> names;
  if (!files.findFiles(receiveFolder, std::string("*") + kDrawerExtension, &names)) return {};
  for (std::string& name : names) {
    const std::size_t dot = FindLastCharDbcs(name, '.');
    if (dot != std::string::npos) name.erase(dot);
  }
  return names;
}

std::string drawerPath(std::string_view receiveFolder, std::string_view title) {
  std::string path;
  path.reserve(receiveFolder.size() + title.size() + sizeof kDrawerExtension - 1);
  path.append(receiveFolder).append(title).append(kDrawerExtension);
  return path;
}

std::optional<std::size_t> selectDrawer(const std::vector<std::string>& titles, std::string_view remembered) {
  for (std::size_t i = 0; i < titles.size(); ++i) {
    if (StartsWithNoCase(titles[i], remembered)) return i;
  }
  return std::nullopt;
}

}  // namespace mogura
