// The setup program's file operations on Windows: CP932 paths through the wide APIs.
#pragma once

#include "setup/setup_files.h"

namespace mogura::win32 {

class Win32SetupFiles : public SetupFiles {
 public:
  bool listFolder(const std::string& folder, std::vector<FolderEntry>* entries) override;
  bool isLink(const std::string& path) override;
  bool removeLink(const std::string& path) override;
  bool createProtectedFolder(const std::string& path) override;
  CopyOutcome copy(const std::string& from, const std::string& to, bool replaceExisting) override;
  bool setNormalAttributes(const std::string& path) override;
  bool freeSpace(const std::string& path, DiskFreeSpace* space) override;
  std::string shortPath(const std::string& path) override;
  bool deleteAtRestart(const std::string& path) override;
};

}  // namespace mogura::win32
