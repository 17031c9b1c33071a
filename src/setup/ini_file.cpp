#include "setup/ini_file.h"

#include "base/cp932.h"

namespace mogura {
namespace {

constexpr char kEndOfFileMark = '\x1A';

std::string EntryKey(std::size_t section, std::string_view key) {
  return std::to_string(section) + '\n' + AsciiFolded(key);
}

std::string_view WithoutEnclosingQuotes(std::string_view value) {
  // Neither quote byte can be the trail byte of a character.
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::string_view LineAt(std::string_view text, std::size_t begin, std::size_t* next) {
  std::size_t end = begin;
  while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
  std::size_t after = end;
  if (after < text.size() && text[after] == '\r') ++after;
  if (after < text.size() && text[after] == '\n') ++after;
  *next = after;
  return text.substr(begin, end - begin);
}

std::string_view TrimBlanks(std::string_view text) {
  // A blank is never a trail byte, so both ends can be trimmed byte by byte.
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

IniFile::IniFile(std::string_view bytes) : text_(bytes.substr(0, bytes.find(kEndOfFileMark))) {
  const std::string_view text = text_;
  std::size_t next = 0;
  for (std::size_t begin = 0; begin < text.size(); begin = next) {
    std::string_view line = LineAt(text, begin, &next);
    line = line.substr(0, line.find('\0'));  // a NUL ends the line's text, as in a C string
    const std::string_view content = TrimBlanks(line);
    if (content.empty() || content.front() == ';') continue;
    if (content.front() == '[') {
      if (!sections_.empty()) sections_.back().end = begin;
      const std::string_view inside = content.substr(1);
      Section section;
      section.begin = begin;
      section.bodyBegin = next;
      section.end = text.size();
      section.name = std::string(TrimBlanks(inside.substr(0, FindCharDbcs(inside, ']'))));
      firstSection_.emplace(AsciiFolded(section.name), sections_.size());
      sections_.push_back(std::move(section));
      continue;
    }
    if (sections_.empty()) continue;  // lines before the first section belong to none
    // '=' cannot be a trail byte either.
    const std::size_t equals = content.find('=');
    const std::string_view key = TrimBlanks(content.substr(0, equals));
    if (key.empty()) continue;
    std::string_view value;
    if (equals != std::string_view::npos) value = TrimBlanks(content.substr(equals + 1));
    const std::size_t valueBegin = value.empty() ? 0 : static_cast<std::size_t>(value.data() - text.data());
    firstEntry_.emplace(EntryKey(sections_.size() - 1, key), Entry{valueBegin, value.size()});
  }
}

std::string IniFile::value(std::string_view section, std::string_view key, std::size_t longest) const {
  const auto found = firstSection_.find(AsciiFolded(section));
  if (found == firstSection_.end()) return std::string();
  const auto entry = firstEntry_.find(EntryKey(found->second, key));
  if (entry == firstEntry_.end()) return std::string();
  const std::string_view raw = std::string_view(text_).substr(entry->second.valueBegin, entry->second.valueLength);
  return std::string(CutToCharBoundary(WithoutEnclosingQuotes(raw), longest));
}

}  // namespace mogura
