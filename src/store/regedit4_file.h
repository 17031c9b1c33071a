// The settings store as a REGEDIT4 file (the registry's export format, version 4, CP932 text):
// the portable store and the exchange format. Only the keys at and below the settings root
// (HKEY_CURRENT_USER\Software\Pikomaru\<profile>) are read; the rest of a file is ignored.
//
// Format, as read:
//   file    := "REGEDIT4" EOL { line EOL }         EOL is CR LF or LF
//   line    := blank | ";" comment | "[" ["-"] path "]" | name "=" data
//   path    := key { "\" key }                      at most 512 keys of 1..511 bytes each,
//                                                   1024 bytes in all; the key lines written
//                                                   for all keys must fit a settings file
//   name    := "@" | quoted                         (a value line needs a key line before it)
//   quoted  := '"' { byte | "\\" | "\"" } '"'       double-byte characters taken whole
//   data    := quoted                               a text
//            | "dword:" 1..8 hex digits             an integer
//            | "hex(1):" bytes                      a text as its raw bytes, no terminator
//            | "hex(4):" 4 bytes                    an integer, little-endian
//            | "-"                                  deletes the value
//   bytes   := [ hh { "," hh } ] ; a line ending in "," "\" continues on the next line
// "[-path]" deletes the key with its sub-keys. Other value types are refused inside the
// settings root. A file that breaks these rules is refused as a whole with the line number.
//
// As written: "REGEDIT4", a blank line, then each key (pre-order, creation order) as its key
// line, its values in creation order and a blank line; CR LF line ends. A text is written
// quoted when it consists of printable single-byte and well-formed double-byte characters,
// otherwise (line breaks, other control bytes, stray bytes) as hex(1).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "store/memory_store.h"
#include "store/settings_key.h"

namespace mogura {

// Settings files are small; anything larger than this is refused unread.
inline constexpr std::uint64_t kMaxRegedit4FileSize = 8 * 1024 * 1024;

// "HKEY_CURRENT_USER\Software\Pikomaru\<profile>".
std::string SettingsRootPath(std::string_view profile);

// Parses `bytes`; the keys at and below `rootPath` replace the content of `tree`. On a
// malformed file returns false, sets `*error` to "line N: reason" and leaves `tree` as it was.
bool ParseRegedit4(std::string_view bytes, std::string_view rootPath, MemoryTree* tree,
                   std::string* error);

// The file text of `tree` with its root written as `rootPath`.
std::string FormatRegedit4(const MemoryTree& tree, std::string_view rootPath);

class Regedit4FileStore {
 public:
  explicit Regedit4FileStore(std::string_view profile = "mogura",
                             FileSystem& fs = HostFileSystem());

  // Reads the store from `path`; a missing file is an empty store. On failure `*error` says
  // why ("line N: reason" for a malformed file; the caller names the file) and the store is
  // left as it was.
  bool load(const std::string& path, std::string* error);
  // Replaces the file at the path of the last load (or saveAs) atomically.
  bool save();
  bool saveAs(const std::string& path);

  // The settings root of this store; valid as long as any handle is held.
  SettingsKey root() const { return MemoryRootKey(tree_); }
  const std::shared_ptr<MemoryTree>& tree() const { return tree_; }
  const std::string& path() const { return path_; }

 private:
  FileSystem& fs_;
  std::string rootPath_;
  std::string path_;
  std::shared_ptr<MemoryTree> tree_ = std::make_shared<MemoryTree>();
};

}  // namespace mogura
