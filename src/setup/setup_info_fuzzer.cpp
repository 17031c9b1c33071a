// libFuzzer target for the setup information file: the INI reader, the entries, an install and
// its removal on a machine in memory, and the rename-list rewrite; not part of the normal build
// (fuzz/run.sh setup_info_fuzzer SECONDS). The input is the information file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "setup/setup_info_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string violation =
      mogura::test::SetupInfoViolation(std::string(reinterpret_cast<const char*>(data), size));
  if (!violation.empty()) {
    std::fprintf(stderr, "%s\n", violation.c_str());
    __builtin_trap();
  }
  return 0;
}
