// A file path taken apart into drive, folder, base name and extension, double-byte aware.
#pragma once

#include <string>
#include <string_view>

namespace mogura {

struct PathParts {
  // "C:" on Windows when the path starts with a drive letter; always empty on POSIX.
  std::string drive;
  // Everything up to and including the last separator; empty when there is none.
  std::string folder;
  // The file name up to its last period (the whole name when it has none).
  std::string baseName;
  // The last period of the file name and what follows it; empty when the name has none.
  std::string extension;

  // The four parts joined again.
  std::string join() const { return drive + folder + baseName + extension; }
  // The file name without drive and folder.
  std::string fileName() const { return baseName + extension; }
  // Drive and folder: everything before the file name.
  std::string parent() const { return drive + folder; }
};

// Splits `path` by the rules of the platform whose separator is `separator`: with '\\'
// (Windows) both '\\' and '/' separate folders and a leading letter and ':' form the drive;
// with '/' (POSIX) only '/' separates and there is no drive. Trail bytes of double-byte
// characters are never taken for a separator or a period ("ソ" is 0x83 0x5C).
PathParts SplitPath(std::string_view path, char separator);

// True when the last character of `path` is the single-byte `separator` (the trail byte of
// "ソ" is no backslash).
bool EndsWithSeparator(std::string_view path, char separator);
// `path` with `separator` appended unless it ends in one.
std::string WithTrailingSeparator(std::string_view path, char separator);
// `path` without its one trailing `separator`, if it has one.
std::string_view WithoutTrailingSeparator(std::string_view path, char separator);

// "X:\" exactly, X an ASCII letter; and a path that begins so.
bool IsDriveRoot(std::string_view path);
bool StartsWithDriveRoot(std::string_view path);

}  // namespace mogura
