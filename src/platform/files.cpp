#include "platform/files.h"

#include "base/cp932.h"

namespace mogura {

bool FileSystem::listFolder(const std::string&, std::vector<FolderEntry>*) { return false; }
bool FileSystem::isLink(const std::string&) { return true; }
bool FileSystem::removeLink(const std::string&) { return false; }
bool FileSystem::createProtectedFolder(const std::string&) { return false; }
CopyOutcome FileSystem::copy(const std::string&, const std::string&, bool) { return CopyOutcome::Failed; }
bool FileSystem::setNormalAttributes(const std::string&) { return false; }
bool FileSystem::freeSpace(const std::string&, DiskFreeSpace*) { return false; }
std::string FileSystem::shortPath(const std::string& path) { return path; }
bool FileSystem::deleteAtRestart(const std::string&) { return false; }
bool FileSystem::setCurrentFolder(const std::string&) { return false; }

bool ReadWholeFile(FileSystem& fs, const std::string& path, std::uint64_t limit, std::string* bytes) {
  auto file = fs.openRead(path);
  if (!file) return false;
  const std::uint64_t size = file->size();
  if (size > limit) return false;
  std::string data(static_cast<std::size_t>(size), '\0');
  std::size_t got = 0;
  if (size > 0 && !file->readAt(0, data.data(), data.size(), &got)) return false;
  data.resize(got);
  *bytes = std::move(data);
  return true;
}

bool WriteFileAtomically(FileSystem& fs, const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".new";
  auto file = fs.createFile(temporary);
  if (!file) return false;
  const bool written = file->write(bytes.data(), bytes.size());
  if (!file->close() || !written) {
    fs.removeFile(temporary);
    return false;
  }
  if (!fs.replaceFile(temporary, path)) {
    fs.removeFile(temporary);
    return false;
  }
  return true;
}

namespace {

bool SameChar(const std::string& a, std::size_t i, std::size_t n, const std::string& b, std::size_t j) {
  if (n != CharLengthAt(b, j)) return false;
  if (n == 1) return AsciiLower(a[i]) == AsciiLower(b[j]);
  return a[i] == b[j] && a[i + 1] == b[j + 1];
}

}  // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  // Greedy matching with one backtrack point for the last '*': linear in practice.
  std::size_t n = 0, p = 0;
  std::size_t starP = std::string::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = ++p;
      starN = n;
    } else if (p < pattern.size() && pattern[p] == '?') {
      n += CharLengthAt(name, n);
      ++p;
    } else if (p < pattern.size() && SameChar(name, n, CharLengthAt(name, n), pattern, p)) {
      p += CharLengthAt(pattern, p);
      n += CharLengthAt(name, n);
    } else if (starP != std::string::npos) {
      starN += CharLengthAt(name, starN);
      n = starN;
      p = starP;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace mogura
