// Wine's (or Windows') own regedit as the oracle of the REGEDIT4 format: it imports the files
// our writer produces and hand-written files our reader parses, and the registry it leaves
// behind must hold exactly what our side holds.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "store/registry_store.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/wide.h"
#include "store/memory_store.h"
#include "store/regedit4_file.h"
#include "support/settings_contract.h"
#include "support/temp_folder.h"

namespace mogura::test {
namespace {

// Runs "regedit /S file" and waits for it; its exit code, or -1 when it could not run.
int ImportWithRegedit(const std::string& path) {
  std::wstring command = L"regedit.exe /S \"" + win32::ToWide(path) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -1;
  }
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

// Every key and value of `node` is in `key` with the same type and content, and `key` has no
// sub-key that `node` lacks.
void ExpectSameTree(const MemoryKeyNode& node, const SettingsKey& key, const std::string& where) {
  ASSERT_TRUE(key.valid()) << where;
  for (const auto& item : node.values) {
    if (item.data.type == MemoryValue::Type::kInteger) {
      std::int32_t n = 0;
      EXPECT_TRUE(key.readInt(item.name, &n)) << where << " " << item.name;
      EXPECT_EQ(static_cast<std::int32_t>(item.data.integer), n) << where << " " << item.name;
    } else {
      std::string text;
      EXPECT_TRUE(key.readText(item.name, &text)) << where << " " << item.name;
      EXPECT_EQ(item.data.text, text) << where << " " << item.name;
    }
  }
  std::vector<std::string> names;
  EXPECT_TRUE(key.enumSubKeys(&names));
  EXPECT_EQ(node.subKeys.size(), names.size()) << where;
  for (const auto& item : node.subKeys) {
    ExpectSameTree(*item.data, key.openSubKey(item.name), where + "\\" + item.name);
  }
}

class RegeditOracle : public ::testing::Test {
 protected:
  void SetUp() override {
    if (GetACP() != 932) GTEST_SKIP() << "regedit reads REGEDIT4 files in the ANSI code page";
    OpenRegistryMakerKey(win32::HostRegistry()).deleteSubKey(profile_);
  }
  void TearDown() override { OpenRegistryMakerKey(win32::HostRegistry()).deleteSubKey(profile_); }

  void Import(const std::string& bytes) {
    ASSERT_TRUE(WriteFileAtomically(HostFileSystem(), file_, bytes));
    ASSERT_EQ(0, ImportWithRegedit(file_));
  }

  TempFolder folder_;
  std::string file_ = folder_.file("oracle.reg");
  std::string profile_ = "mogura-oracle-" + std::to_string(GetCurrentProcessId());
  std::string rootPath_ = SettingsRootPath(profile_);
};

TEST_F(RegeditOracle, RegeditImportsWhatWeWrite) {
  auto shared = std::make_shared<MemoryTree>();
  SettingsKey root = MemoryRootKey(shared);
  root.writeInt("ProgramVersion", 0x5000);
  root.writeInt("Minus", -1);
  root.writeText("Tricky", TrickyText());
  root.writeText("Quoted", "C:\\" + kSo + "\\" + kHyou + "\\\"q\"\\");
  root.writeText("EndsInSo", kA + kSo);
  root.writeText("HalfWidthKana", "\xb6\xc5");
  root.writeText("Long", std::string(200, '\n') + kHyou);
  root.writeText("back\\slash \"name\"", "v");
  root.createSubKey(kSo + kHyou).writeText(kSo, kHyou);
  root.createSubKey("Empty").createSubKey("Inner");
  root.createSubKey("Word").writeText("Pet_MailPageTitle", "x");

  Import(FormatRegedit4(*shared, rootPath_));
  ExpectSameTree(*shared->root(), OpenRegistrySettingsRoot(win32::HostRegistry(), profile_), rootPath_);
}

TEST_F(RegeditOracle, RegeditReadsHandWrittenFilesAsWeDo) {
  const std::string file =
      "REGEDIT4\r\n"
      "\r\n"
      "[" + rootPath_ + "]\r\n"
      "\"Version\"=dword:0000500A\r\n"
      "\"Bytes\"=hex(4):0a,50,00,00\r\n"
      "\"Escapes\"=\"a\\\\b\\\"c" + kSo + "\"\r\n"
      "\"Continued\"=hex(1):61,0d,0a,\\\r\n"
      "  62,63,\\\r\n"
      "  " "83,5c\r\n"
      "\"Gone\"=\"x\"\r\n"
      "\"Gone\"=-\r\n"
      "\r\n"
      "[" + rootPath_ + "\\" + kHyou + "\\Deep]\r\n"
      "\"N\"=dword:ffffffff\r\n"
      "\r\n"
      "[" + rootPath_ + "\\Removed\\Child]\r\n"
      "\"N\"=dword:00000001\r\n"
      "\r\n"
      "[-" + rootPath_ + "\\Removed]\r\n";
  auto tree = std::make_shared<MemoryTree>();
  std::string error;
  ASSERT_TRUE(ParseRegedit4(file, rootPath_, tree.get(), &error)) << error;
  EXPECT_FALSE(MemoryRootKey(tree).openSubKey("Removed").valid());

  Import(file);
  ExpectSameTree(*tree->root(), OpenRegistrySettingsRoot(win32::HostRegistry(), profile_), rootPath_);
  std::string gone;
  EXPECT_FALSE(OpenRegistrySettingsRoot(win32::HostRegistry(), profile_).readText("Gone", &gone));
}

}  // namespace
}  // namespace mogura::test
