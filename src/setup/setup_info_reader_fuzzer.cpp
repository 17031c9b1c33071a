// libFuzzer target for reading the setup information file alone: the INI reader, the
// rename-list rewrite, the start-up checks and the file and group entries, without the install
// that setup_info_fuzzer runs after them; not part of the normal build
// (fuzz/run.sh setup_info_reader_fuzzer SECONDS). The input is the information file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "setup/setup_info_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string violation =
      mogura::test::SetupInfoReadViolation(std::string(reinterpret_cast<const char*>(data), size));
  if (!violation.empty()) {
    std::fprintf(stderr, "%s\n", violation.c_str());
    __builtin_trap();
  }
  return 0;
}
