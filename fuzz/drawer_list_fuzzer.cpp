// libFuzzer target for the list reader and the date parser; not part of the normal build.
// Build with clang, from the top folder, <build> being a configured build folder:
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined
//     -Isrc -Itests -I<build>/generated fuzz/drawer_list_fuzzer.cpp
//     src/mailstore/{drawer_reader,list_cursor,mail_record,mail_date,split_lines}.cpp
//     src/base/*.cpp src/platform/files.cpp <build>/generated/string_table.cpp
// The input is split at its first 0xFF byte: the list file before it, the drawer file after it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "mailstore/drawer_reader.h"
#include "mailstore/mail_date.h"
#include "mailstore/memory_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\xFF');
  mogura::test::MemoryFiles files;
  files.put("list", input.substr(0, split));
  files.put("drawer", split == std::string::npos ? std::string() : input.substr(split + 1));
  for (int want = 0; want < 4; ++want) {
    mogura::DrawerReader reader("list", files);
    reader.setSource("drawer", (want & 1) != 0, (want & 2) != 0);
    mogura::MailList result;
    reader.run(result);
  }
  if (!mogura::ParseMailDate(input).valid()) __builtin_trap();
  return 0;
}
