// A fresh folder for one test, removed with everything in it at the end.
#pragma once

#include <string>

namespace mogura::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder path, ending in the platform's separator (ASCII only).
  const std::string& path() const { return path_; }
  // path() + name.
  std::string file(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// The platform's separator as a string, for building paths in tests.
std::string Sep();

}  // namespace mogura::test
