#include "store/regedit4_file.h"

#include <vector>

#include "base/cp932.h"

namespace mogura {
namespace {

constexpr std::size_t kMaxNameLength = 511;
constexpr std::size_t kMaxKeyDepth = 512;
// Key paths are bounded as a whole too (room for the root and two names of the registry's
// longest): each key line written repeats the whole path, so a short file of one deep key
// would otherwise be written with the square of its depth.
constexpr std::size_t kMaxKeyPath = 1024;

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && EqualsNoCase(s.substr(0, prefix.size()), prefix);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsTrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// A name the store can hold and the file can carry on one line.
bool IsStorableName(std::string_view name) {
  if (name.size() > kMaxNameLength) return false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
  }
  return true;
}

// Splits a key path at single-byte backslashes, stepping over double-byte characters.
std::vector<std::string_view> SplitKeyPath(std::string_view path) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = FindCharDbcs(path, '\\', start);
    parts.push_back(path.substr(start, at == std::string_view::npos ? std::string_view::npos
                                                                    : at - start));
    if (at == std::string_view::npos || parts.size() > kMaxKeyDepth + 8) return parts;
    start = at + 1;
  }
}

// The lines of the file, CR LF or LF, with the line numbers used in messages.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

  bool next(std::string_view* line) {
    if (pos_ >= bytes_.size()) return false;
    std::size_t end = bytes_.find('\n', pos_);
    if (end == std::string_view::npos) end = bytes_.size();
    std::string_view l = bytes_.substr(pos_, end - pos_);
    if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
    pos_ = end + 1;
    ++number_;
    *line = l;
    return true;
  }
  int number() const { return number_; }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
  int number_ = 0;
};

class Parser {
 public:
  Parser(std::string_view bytes, std::string_view rootPath, MemoryTree* tree)
      : lines_(bytes), root_(SplitKeyPath(rootPath)), tree_(tree) {}

  bool run() {
    std::string_view line;
    if (!lines_.next(&line) || TrimRight(line) != "REGEDIT4") {
      return fail("the file does not begin with REGEDIT4");
    }
    while (lines_.next(&line)) {
      line = TrimLeft(line);
      if (TrimRight(line).empty() || line.front() == ';') continue;
      bool ok = false;
      if (line.front() == '[') {
        ok = keyLine(TrimRight(line));
      } else if (line.front() == '"' || line.front() == '@') {
        ok = valueLine(line);
      } else {
        ok = fail("neither a key nor a value");
      }
      if (!ok) return false;
    }
    return true;
  }

  const std::string& error() const { return error_; }

 private:
  bool fail(std::string_view reason) {
    error_ = "line " + std::to_string(lines_.number() == 0 ? 1 : lines_.number()) + ": ";
    error_ += reason;
    return false;
  }

  bool keyLine(std::string_view line) {
    // The line must end in a single-byte ']' (a trail byte may look like one).
    if (FindLastCharDbcs(line, ']') != line.size() - 1 || line.size() < 2) {
      return fail("a key line must end with ]");
    }
    std::string_view path = line.substr(1, line.size() - 2);
    const bool remove = !path.empty() && path.front() == '-';
    if (remove) path.remove_prefix(1);
    if (path.size() > kMaxKeyPath) return fail("a key path longer than 1024 bytes");
    if (remove) chain_.clear();  // the keys it names may be gone
    const auto parts = SplitKeyPath(path);
    if (parts.size() > kMaxKeyDepth) return fail("the key path is too deep");
    for (auto part : parts) {
      if (part.empty()) return fail("a key path with an empty key name");
      if (!IsStorableName(part)) return fail("a key name that is too long or holds control bytes");
    }
    seenKey_ = true;
    current_.reset();

    // Keys outside the settings root are not ours.
    const std::size_t common = parts.size() < root_.size() ? parts.size() : root_.size();
    for (std::size_t i = 0; i < common; ++i) {
      if (!EqualsNoCase(parts[i], root_[i])) return true;
    }
    if (parts.size() < root_.size()) {
      if (remove) tree_->clear();  // a key above the root takes the root with it
      return true;
    }

    std::shared_ptr<MemoryKeyNode> node = tree_->root();
    if (remove) {
      if (parts.size() == root_.size()) {
        tree_->clear();
        return true;
      }
      for (std::size_t i = root_.size(); node && i + 1 < parts.size(); ++i) {
        auto* sub = node->subKeys.find(parts[i]);
        node = sub ? *sub : nullptr;
      }
      if (node) node->subKeys.erase(parts.back());
      return true;
    }
    // A key line below the one before it (as written: each key after its parent) starts
    // where that one ended, so that reading stays linear however deep the keys go.
    std::size_t reuse = 0;
    while (reuse < chain_.size() && root_.size() + reuse < parts.size() &&
           chain_[reuse].first == parts[root_.size() + reuse])
      ++reuse;
    chain_.resize(reuse);
    if (reuse > 0) node = chain_.back().second;
    for (std::size_t i = root_.size() + reuse; i < parts.size(); ++i) {
      auto& sub = node->subKeys.findOrAppend(parts[i]);
      if (!sub) {
        // Each new key is written back as a line of its whole path: the file written must
        // stay one that can be read.
        keyLineBytes_ += static_cast<std::size_t>(parts[i].data() + parts[i].size() - path.data()) + 6;
        if (keyLineBytes_ > kMaxRegedit4FileSize) return fail("too many keys with long paths for a settings file");
        sub = std::make_shared<MemoryKeyNode>();
      }
      node = sub;
      chain_.emplace_back(std::string(parts[i]), node);
    }
    current_ = node;
    return true;
  }

  // Reads a quoted text starting at line[*pos] == '"'; leaves *pos after the closing quote.
  bool quoted(std::string_view line, std::size_t* pos, std::string* out) {
    std::size_t i = *pos + 1;
    while (i < line.size()) {
      const char c = line[i];
      if (c == '"') {
        *pos = i + 1;
        return true;
      }
      if (c == '\\') {
        if (i + 1 >= line.size() || (line[i + 1] != '\\' && line[i + 1] != '"')) {
          return fail("inside quotes a backslash must be followed by \\ or \"");
        }
        out->push_back(line[i + 1]);
        i += 2;
      } else if (IsLeadByte(c) && i + 1 < line.size()) {
        out->append(line.substr(i, 2));
        i += 2;
      } else {
        out->push_back(c);
        ++i;
      }
    }
    return fail("a quoted text without its closing quote");
  }

  // Reads comma-separated hex bytes from `rest`, following continuation lines.
  bool hexBytes(std::string_view rest, std::string* out) {
    for (;;) {
      rest = TrimLeft(rest);
      if (rest.empty()) return true;
      if (rest.front() == '\\' && TrimLeft(rest.substr(1)).empty()) {
        if (!lines_.next(&rest)) return fail("the file ends inside a continued value");
        continue;
      }
      const int high = HexDigit(rest.front());
      if (high < 0) return fail("hex data must be two-digit hex numbers separated by commas");
      int value = high;
      rest.remove_prefix(1);
      if (!rest.empty() && HexDigit(rest.front()) >= 0) {
        value = value * 16 + HexDigit(rest.front());
        rest.remove_prefix(1);
      }
      out->push_back(static_cast<char>(value));
      rest = TrimLeft(rest);
      if (rest.empty()) return true;
      if (rest.front() != ',') return fail("hex data must be two-digit hex numbers separated by commas");
      rest.remove_prefix(1);
    }
  }

  bool valueLine(std::string_view line) {
    if (!seenKey_) return fail("a value before the first key line");
    std::string name;
    std::size_t pos = 0;
    if (line.front() == '@') {
      pos = 1;
    } else if (!quoted(line, &pos, &name)) {
      return false;
    }
    std::string_view rest = TrimLeft(line.substr(pos));
    if (rest.empty() || rest.front() != '=') return fail("a value name must be followed by =");
    rest = TrimLeft(rest.substr(1));

    enum class Kind { kText, kInteger, kDelete, kOther } kind = Kind::kOther;
    std::string text;
    std::uint32_t integer = 0;
    if (!rest.empty() && rest.front() == '"') {
      std::size_t end = 0;
      if (!quoted(rest, &end, &text)) return false;
      if (!TrimRight(rest.substr(end)).empty()) return fail("text after the closing quote");
      kind = Kind::kText;
    } else if (TrimRight(rest) == "-") {
      kind = Kind::kDelete;
    } else if (StartsWithNoCase(rest, "dword:")) {
      const std::string_view digits = TrimRight(rest.substr(6));
      if (digits.empty() || digits.size() > 8) return fail("dword: needs one to eight hex digits");
      for (char c : digits) {
        if (HexDigit(c) < 0) return fail("dword: needs one to eight hex digits");
        integer = integer * 16 + static_cast<std::uint32_t>(HexDigit(c));
      }
      kind = Kind::kInteger;
    } else if (StartsWithNoCase(rest, "hex")) {
      rest.remove_prefix(3);
      std::uint32_t type = 3;  // plain "hex:" is binary data
      if (!rest.empty() && rest.front() == '(') {
        const std::size_t close = rest.find(')');
        const std::string_view digits = rest.substr(1, close == std::string_view::npos ? 0 : close - 1);
        if (close == std::string_view::npos || digits.empty() || digits.size() > 8) {
          return fail("hex(type) needs a hex type number");
        }
        type = 0;
        for (char c : digits) {
          if (HexDigit(c) < 0) return fail("hex(type) needs a hex type number");
          type = type * 16 + static_cast<std::uint32_t>(HexDigit(c));
        }
        rest.remove_prefix(close + 1);
      }
      if (rest.empty() || rest.front() != ':') return fail("hex data must follow a colon");
      if (!hexBytes(rest.substr(1), &text)) return false;
      if (type == 1) {
        kind = Kind::kText;
      } else if (type == 4) {
        if (text.size() != 4) return fail("hex(4) needs exactly four bytes");
        for (int i = 3; i >= 0; --i) integer = integer * 256 + static_cast<unsigned char>(text[i]);
        kind = Kind::kInteger;
      }
    } else {
      return fail("a value must be a quoted text, dword:, hex(1): or -");
    }

    if (!current_) return true;  // outside the settings root
    if (kind == Kind::kOther) return fail("only texts and dword integers are settings values");
    if (!IsStorableName(name)) return fail("a value name that is too long or holds control bytes");
    if (kind == Kind::kDelete) {
      current_->values.erase(name);
      return true;
    }
    MemoryValue& value = current_->values.findOrAppend(name);
    value.type = kind == Kind::kText ? MemoryValue::Type::kText : MemoryValue::Type::kInteger;
    value.integer = integer;
    value.text = std::move(text);
    return true;
  }

  LineReader lines_;
  std::vector<std::string_view> root_;
  MemoryTree* tree_;
  std::shared_ptr<MemoryKeyNode> current_;  // null outside the settings root
  bool seenKey_ = false;
  std::size_t keyLineBytes_ = 0;  // of the key lines that writing the keys made so far gives
  // The keys below the root named by the last key line, with their nodes.
  std::vector<std::pair<std::string, std::shared_ptr<MemoryKeyNode>>> chain_;
  std::string error_;
};

// ---- writing ----

// True when `text` can be written between quotes and read back byte for byte, here and by
// any reader of the format: printable single-byte and well-formed double-byte characters.
bool CanQuote(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(c)) {
      if (i + 1 >= text.size() || !IsTrailByte(static_cast<unsigned char>(text[i + 1]))) return false;
      ++i;
    } else if (c < 0x20 || c == 0x7F || c == 0x80 || c == 0xA0 || c > 0xFC) {
      return false;
    }
  }
  return true;
}

void AppendQuoted(std::string_view text, std::string* out) {
  out->push_back('"');
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsLeadByte(c) && i + 1 < text.size()) {
      out->append(text.substr(i, 2));  // a trail byte 0x5C is not a backslash
      ++i;
    } else {
      if (c == '\\' || c == '"') out->push_back('\\');
      out->push_back(c);
    }
  }
  out->push_back('"');
}

void AppendHex(std::string_view bytes, std::size_t lineStart, std::string* out) {
  static const char kDigits[] = "0123456789abcdef";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    out->push_back(kDigits[b >> 4]);
    out->push_back(kDigits[b & 15]);
    if (i + 1 < bytes.size()) {
      out->push_back(',');
      if (out->size() - lineStart > 76) {
        out->append("\\\r\n  ");
        lineStart = out->size() - 2;
      }
    }
  }
}

void AppendKey(const MemoryKeyNode& node, const std::string& path, std::string* out) {
  out->append("[").append(path).append("]\r\n");
  for (const auto& item : node.values) {
    const std::size_t lineStart = out->size();
    if (item.name.empty()) {
      out->push_back('@');
    } else {
      AppendQuoted(item.name, out);
    }
    out->push_back('=');
    const MemoryValue& value = item.data;
    if (value.type == MemoryValue::Type::kInteger) {
      char digits[9];
      for (int i = 0; i < 8; ++i) digits[i] = "0123456789abcdef"[(value.integer >> (28 - 4 * i)) & 15];
      digits[8] = '\0';
      out->append("dword:").append(digits);
    } else if (CanQuote(value.text)) {
      AppendQuoted(value.text, out);
    } else {
      out->append("hex(1):");
      AppendHex(value.text, lineStart, out);
    }
    out->append("\r\n");
  }
  out->append("\r\n");
  for (const auto& item : node.subKeys) AppendKey(*item.data, path + "\\" + item.name, out);
}

}  // namespace

std::string SettingsRootPath(std::string_view profile) {
  return "HKEY_CURRENT_USER\\Software\\Pikomaru\\" + std::string(profile);
}

bool ParseRegedit4(std::string_view bytes, std::string_view rootPath, MemoryTree* tree,
                   std::string* error) {
  MemoryTree fresh;
  Parser parser(bytes, rootPath, &fresh);
  if (!parser.run()) {
    if (error) *error = parser.error();
    return false;
  }
  tree->replaceContent(fresh);
  return true;
}

std::string FormatRegedit4(const MemoryTree& tree, std::string_view rootPath) {
  std::string out = "REGEDIT4\r\n\r\n";
  AppendKey(*tree.root(), std::string(rootPath), &out);
  return out;
}

Regedit4FileStore::Regedit4FileStore(std::string_view profile, FileSystem& fs)
    : fs_(fs), rootPath_(SettingsRootPath(profile)) {}

bool Regedit4FileStore::load(const std::string& path, std::string* error) {
  std::string bytes;
  if (!fs_.exists(path)) {
    tree_->clear();
    path_ = path;
    return true;
  }
  if (fs_.isDirectory(path) || !ReadWholeFile(fs_, path, kMaxRegedit4FileSize, &bytes)) {
    if (error) *error = "the file cannot be read, or is larger than 8 MiB";
    return false;
  }
  if (!ParseRegedit4(bytes, rootPath_, tree_.get(), error)) return false;
  path_ = path;
  return true;
}

bool Regedit4FileStore::save() { return !path_.empty() && saveAs(path_); }

bool Regedit4FileStore::saveAs(const std::string& path) {
  if (!WriteFileAtomically(fs_, path, FormatRegedit4(*tree_, rootPath_))) return false;
  path_ = path;
  return true;
}

}  // namespace mogura
