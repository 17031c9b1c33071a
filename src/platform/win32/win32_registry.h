// The registry on Windows: CP932 names and texts through the wide APIs, the one place that
// calls the registry functions of the system.
#pragma once

#include "platform/registry.h"

namespace mogura::win32 {

class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> open(RegistryRoot root, std::string_view path, RegistryAccess access) override;
  std::unique_ptr<RegistryKey> create(RegistryRoot root, std::string_view path) override;
  bool deleteKey(RegistryRoot root, std::string_view path) override;
};

// The registry of the system the program runs on.
Registry& HostRegistry();

}  // namespace mogura::win32
