#include "setup/rename_list.h"

#include <vector>

#include "base/cp932.h"
#include "setup/ini_file.h"

namespace mogura {

std::optional<std::string> AddDeletionToRenameList(std::string_view file, std::string_view shortPath) {
  const IniFile ini(file);
  const std::string_view text = ini.text();
  std::string list = "[Rename]\r\n";
  std::string rest;
  std::size_t kept = 0;  // text_[0, kept) already in `rest`
  for (const IniFile::Section& section : ini.sections()) {
    if (!EqualsNoCase(section.name, "Rename")) continue;
    rest.append(text.substr(kept, section.begin - kept));
    kept = section.end;
    // Each line as it stands: a list holds several "NUL=" lines, and reading values by key
    // name would give all of them the first one's value.
    std::size_t next = 0;
    for (std::size_t begin = section.bodyBegin; begin < section.end; begin = next) {
      const std::string_view line = LineAt(text, begin, &next);
      if (TrimBlanks(line).empty()) continue;
      list.append(line);
      list.append("\r\n");
    }
  }
  if (list.size() > kLongestKeptRenameLines) return std::nullopt;
  list.append("NUL=");
  list.append(shortPath);
  list.append("\r\n");
  if (list.size() > kLongestRenameText) return std::nullopt;

  rest.append(text.substr(kept));
  rest.append(file.substr(text.size()));  // what follows an end-of-file mark stays too
  if (!rest.empty() && rest.back() == '\x1A') rest.pop_back();
  if (!rest.empty() && rest.back() != '\n' && rest.back() != '\r') rest.append("\r\n");
  return rest + list;
}

}  // namespace mogura
