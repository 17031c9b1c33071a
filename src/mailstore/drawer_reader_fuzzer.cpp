// libFuzzer target: the list reader together with a drawer file. Built by fuzz/run.sh.
// The input is split at its first 0xFF byte: the list file before it, the drawer file after.
// Every want-flag combination is read, and the drawer also through a small read plan so that
// blocks, gaps and per-range retries are all reached.
#include <cstddef>
#include <cstdint>
#include <string>

#include "mailstore/drawer_reader.h"
#include "mailstore/drawer_spans.h"
#include "support/memory_disk.h"

namespace {

// Any derived reader's hooks see texts within the drawer's bytes.
class CheckingReader : public mogura::DrawerReader {
 public:
  CheckingReader(mogura::FileSystem& files, std::uint64_t drawerSize)
      : DrawerReader("list", files), drawerSize_(drawerSize) {}
  bool handleHeader(std::string_view text, mogura::MailRecord& record) override {
    if (text.size() > drawerSize_) __builtin_trap();
    return DrawerReader::handleHeader(text, record);
  }
  bool handleBody(std::string_view text, mogura::MailRecord& record) override {
    if (text.size() > drawerSize_) __builtin_trap();
    return DrawerReader::handleBody(text, record);
  }

 private:
  std::uint64_t drawerSize_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\xFF');
  mogura::test::MemoryDisk files;
  files.addFile("list", input.substr(0, split));
  const std::string drawer = split == std::string::npos ? std::string() : input.substr(split + 1);
  files.addFile("drawer", drawer);
  // Odd sizes make some reads fail part way, as a drawer on a failing disk would.
  if (size % 7 == 3) files.node("drawer")->readsFailFrom = drawer.size() / 2;
  for (int want = 0; want < 4; ++want) {
    CheckingReader reader(files, drawer.size());
    reader.setSource("drawer", (want & 1) != 0, (want & 2) != 0);
    mogura::MailList result;
    reader.run(result);
  }
  return 0;
}
