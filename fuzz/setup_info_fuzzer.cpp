// libFuzzer target for the setup information file: the INI reader, the entries, an install and
// its removal on a machine in memory, and the rename-list rewrite; not part of the normal build.
// Build with clang, from the top folder, <build> being a configured build folder:
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined
//     -Isrc -Itests -I<build>/generated fuzz/setup_info_fuzzer.cpp
//     tests/setup/setup_info_properties.cpp tests/setup/fake_setup_edge.cpp
//     src/setup/*.cpp src/base/*.cpp src/platform/files.cpp <build>/generated/string_table.cpp
// The input is the information file.
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
