// libFuzzer target: the REGEDIT4 reader, and the writer on what it read. Built by fuzz/run.sh.
// A file that is read is written back as a file that reads as the same tree and writes the
// same bytes again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/regedit4_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string root = mogura::SettingsRootPath("mogura");
  mogura::MemoryTree tree;
  std::string error;
  if (!mogura::ParseRegedit4(bytes, root, &tree, &error)) {
    if (error.empty()) __builtin_trap();  // a refusal always says why
    return 0;
  }
  const std::string written = mogura::FormatRegedit4(tree, root);
  mogura::MemoryTree again;
  if (!mogura::ParseRegedit4(written, root, &again, &error)) __builtin_trap();
  if (mogura::FormatRegedit4(again, root) != written) __builtin_trap();
  return 0;
}
