#include "support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <filesystem>

#include "platform/files.h"

namespace mogura::test {

std::string Sep() { return std::string(1, HostFileSystem().separator()); }

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              ("mogura-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(dir);
  path_ = dir.string() + Sep();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(path_), ignored);
}

}  // namespace mogura::test
