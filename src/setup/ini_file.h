// Our own reader of private-profile (INI) text over CP932 bytes, read as the system's profile
// service reads it, but never through a code page: a Japanese value reads the same on a
// Windows of any locale. The rules are in docs/setup-info-format.md.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mogura {

class IniFile {
 public:
  // Byte range of one section: its header line, and the lines after it up to the next header.
  struct Section {
    std::size_t begin = 0;      // start of the "[name]" line
    std::size_t bodyBegin = 0;  // start of the line after it
    std::size_t end = 0;        // start of the next header line, or the end of the text
    std::string name;           // blanks around it dropped
  };

  IniFile() = default;
  // Any bytes are accepted; nothing is read after an end-of-file mark (0x1A).
  explicit IniFile(std::string_view bytes);

  // The value of `key` in the first section named `section` (ASCII letters compared without
  // case), taken from the key's first line: blanks around it dropped, one pair of enclosing
  // quotes removed, cut to at most `longest` bytes without splitting a character. Empty when
  // the section or key is missing.
  std::string value(std::string_view section, std::string_view key, std::size_t longest) const;

  // The text that was read (up to the end-of-file mark) and its sections in order.
  const std::string& text() const { return text_; }
  const std::vector<Section>& sections() const { return sections_; }

 private:
  struct Entry {
    std::size_t valueBegin;
    std::size_t valueLength;
  };
  std::string text_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> firstSection_;  // folded name -> index
  // Folded section index and key -> the first line of that key: lookups stay constant in time
  // however long the file, so counting entries is never quadratic.
  std::unordered_map<std::string, Entry> firstEntry_;
};

// The line [begin, end) of `text` starting at `begin`, without its line break; `*next` is the
// start of the following line. CR LF, LF and CR each end a line.
std::string_view LineAt(std::string_view text, std::size_t begin, std::size_t* next);

// `text` without the blanks (space, tab) at both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace mogura
