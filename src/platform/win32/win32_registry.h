// The registry for the setup program: CP932 names and texts through the wide APIs. Texts are
// written as REG_SZ with their terminator, as other programs reading the uninstall branch expect.
#pragma once

#include "platform/registry.h"

namespace mogura::win32 {

class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> open(RegistryRoot root, const std::string& path, RegistryAccess access) override;
  std::unique_ptr<RegistryKey> create(RegistryRoot root, const std::string& path) override;
  bool deleteKey(RegistryRoot root, const std::string& path) override;
};

}  // namespace mogura::win32
