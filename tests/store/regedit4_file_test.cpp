#include "store/regedit4_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "support/settings_contract.h"
#include "support/memory_disk.h"

namespace mogura::test {
namespace {

const std::string kRoot = "HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura";

std::string Text(const SettingsKey& key, const std::string& name) {
  std::string text = "<absent>";
  key.readText(name, &text);
  return text;
}

std::int32_t Int(const SettingsKey& key, const std::string& name) {
  std::int32_t n = -12345;
  key.readInt(name, &n);
  return n;
}

std::vector<std::string> SubKeys(const SettingsKey& key) {
  std::vector<std::string> names;
  key.enumSubKeys(&names);
  return names;
}

bool Parse(const std::string& bytes, std::shared_ptr<MemoryTree> tree, std::string* error) {
  return ParseRegedit4(bytes, kRoot, tree.get(), error);
}

TEST(Regedit4Read, AcceptsTheFormsOfTheFormat) {
  const std::string file =
      "REGEDIT4\n"
      "\n"
      "; keys outside the settings root are not ours\n"
      "[HKEY_CURRENT_USER\\Software\\Pikomaru\\other]\n"
      "\"Stranger\"=hex:01,02\n"
      "[HKEY_CURRENT_USER\\Software\\Pikomaru]\n"
      "\"Above\"=dword:00000001\n"
      "[hkey_current_user\\software\\PIKOMARU\\Mogura]\n"
      "  \"Quoted\"=\"C:\\\\dir\\\\\\\"q\\\"\"\n"
      "\"Version\"=dword:0000500A\n"
      "\"Short\"=dword:1f\n"
      "\"Bytes\"=hex(4):0a,50,00,00\n"
      "@=\"unnamed\"\n"
      "\"Lines\"=hex(1):61,0d,0a,\\\n"
      "   62,  63\n"
      "\"Gone\"=\"x\"\n"
      "\"Gone\"=-\n"
      "\r\n"
      "[HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura\\" + kSo + "\\" + kHyou + "]\r\n"
      "\"Name\"=\"" + kSo + "\"\r\n"
      "[HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura\\Empty]\n"
      "[HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura\\Removed\\Child]\n"
      "[-HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura\\Removed]\n"
      "\"IgnoredAfterRemoval\"=\"x\"\n";
  auto tree = std::make_shared<MemoryTree>();
  std::string error;
  ASSERT_TRUE(Parse(file, tree, &error)) << error;

  SettingsKey root = MemoryRootKey(tree);
  EXPECT_EQ("C:\\dir\\\"q\"", Text(root, "Quoted"));
  EXPECT_EQ(0x500a, Int(root, "Version"));
  EXPECT_EQ(0x1f, Int(root, "Short"));
  EXPECT_EQ(0x500a, Int(root, "Bytes"));
  EXPECT_EQ("a\r\nbc", Text(root, "Lines"));
  EXPECT_EQ("<absent>", Text(root, "Gone"));
  EXPECT_EQ("<absent>", Text(root, "Stranger"));
  EXPECT_EQ(-12345, Int(root, "Above"));
  ASSERT_NE(nullptr, tree->root()->values.find(""));
  EXPECT_EQ("unnamed", tree->root()->values.find("")->text);

  // The trail byte 0x5C of these characters does not split the key path.
  EXPECT_EQ((std::vector<std::string>{kSo, "Empty"}), SubKeys(root));
  EXPECT_EQ(kSo, Text(root.openSubKey(kSo).openSubKey(kHyou), "Name"));
  EXPECT_TRUE(root.openSubKey("Empty").valid());
  EXPECT_FALSE(root.openSubKey("Removed").valid());
}

TEST(Regedit4Read, MalformedFilesAreRefusedWithTheirLineAndLoadNothing) {
  const std::string head = "REGEDIT4\r\n\r\n[" + kRoot + "]\r\n\"Kept\"=\"ok\"\r\n";  // lines 1-4
  struct Case {
    std::string file;
    int line;
  };
  const std::vector<Case> cases = {
      {"", 1},
      {"REGEDIT5\r\n", 1},
      {"Windows Registry Editor Version 5.00\r\n", 1},
      {"REGEDIT4\r\n\"Early\"=\"x\"\r\n", 2},
      {head + "\"Open=\"x\"\r\n", 5},
      {head + "\"Open\"=\"x\r\n", 5},
      {head + "\"Esc\"=\"a\\nb\"\r\n", 5},
      {head + "\"After\"=\"x\" y\r\n", 5},
      {head + "\"NoEquals\" \"x\"\r\n", 5},
      {head + "\"D\"=dword:000000001\r\n", 5},
      {head + "\"D\"=dword:12g4\r\n", 5},
      {head + "\"D\"=dword:\r\n", 5},
      {head + "\"H\"=hex(1):61,zz\r\n", 5},
      {head + "\"H\"=hex(1):61 62\r\n", 5},
      {head + "\"H\"=hex(1):61,\\\r\n", 5},  // the file ends on the line that continues
      {head + "\"H\"=hex(4):01,02\r\n", 5},
      {head + "\"H\"=hex(x):01\r\n", 5},
      {head + "\"Bin\"=hex:01,02\r\n", 5},
      {head + "\"S\"=string\r\n", 5},
      {head + "garbage\r\n", 5},
      {head + "[" + kRoot + "\\NoClose\r\n", 5},
      {head + "[" + kRoot + "\\Trail" + kSo.substr(0, 1) + "]\r\n", 5},  // ']' is a trail byte
      {head + "[" + kRoot + "\\\\Empty]\r\n", 5},
      {head + "[" + kRoot + "\\" + std::string(512, 'k') + "]\r\n", 5},
      {head + "\r\n\r\n\"" + std::string(512, 'v') + "\"=dword:1\r\n", 7},
  };
  for (const auto& c : cases) {
    auto tree = std::make_shared<MemoryTree>();
    ASSERT_TRUE(MemoryRootKey(tree).writeText("Before", "still here"));
    std::string error;
    EXPECT_FALSE(Parse(c.file, tree, &error)) << c.file;
    EXPECT_EQ(0u, error.rfind("line " + std::to_string(c.line) + ": ", 0)) << error << "\n" << c.file;
    EXPECT_EQ("still here", Text(MemoryRootKey(tree), "Before")) << c.file;
    EXPECT_EQ("<absent>", Text(MemoryRootKey(tree), "Kept")) << c.file;
  }
}

TEST(Regedit4Read, KeyPathsDeeperThanTheRegistryAllowsAreRefused) {
  std::string path = kRoot;
  for (int i = 0; i < 520; ++i) path += "\\k";
  auto tree = std::make_shared<MemoryTree>();
  std::string error;
  EXPECT_FALSE(Parse("REGEDIT4\n[" + path + "]\n", tree, &error));
  EXPECT_EQ(0u, error.rfind("line 2: ", 0)) << error;
}

// Found by fuzzing: a file of one deep key line wrote each level's whole path again, so 8 KB
// read became 800 KB written (a settings file of 300 KB would have written 67 MB, more than
// a settings file may hold). Paths longer than 1024 bytes are refused, and so are files
// whose keys would still be written larger than a settings file may be.
TEST(Regedit4Read, DeepKeyPathsThatWouldWriteASquareOfTheirLengthAreRefused) {
  auto tree = std::make_shared<MemoryTree>();
  std::string error;
  std::string path = kRoot;
  while (path.size() + 2 <= 1024) path += "\\k";
  ASSERT_TRUE(Parse("REGEDIT4\n[" + path + "]\n", tree, &error)) << error;
  const std::string written = FormatRegedit4(*tree, kRoot);
  EXPECT_LT(written.size(), 400u * 1024u);
  auto again = std::make_shared<MemoryTree>();
  EXPECT_TRUE(Parse(written, again, &error)) << error;
  EXPECT_FALSE(Parse("REGEDIT4\n[" + path + "\\k]\n", tree, &error));
  EXPECT_EQ(error, "line 2: a key path longer than 1024 bytes");

  // 40 such keys in a 40 KB file would be written as more than 8 MiB.
  std::string file = "REGEDIT4\n";
  const std::string deep = path.substr(kRoot.size(), 1000 - kRoot.size());
  for (int i = 0; i < 40; ++i) file += "[" + kRoot + "\\" + std::to_string(i) + deep + "]\n";
  ASSERT_LT(file.size(), 48u * 1024u);
  EXPECT_FALSE(Parse(file, tree, &error));
  EXPECT_NE(error.find("too many keys with long paths"), std::string::npos) << error;
  EXPECT_EQ(written, FormatRegedit4(*tree, kRoot));  // the refused file changed nothing
}

// Reading resumes below the last key line; a deletion in between must not leave it pointing
// at keys that are gone.
TEST(Regedit4Read, KeysAfterADeletionLandInTheTree) {
  auto tree = std::make_shared<MemoryTree>();
  std::string error;
  ASSERT_TRUE(Parse("REGEDIT4\n[" + kRoot + "\\A\\B]\n[-" + kRoot + "\\A]\n[" + kRoot + "\\A\\B\\C]\n\"V\"=dword:1\n"
                    "[-HKEY_CURRENT_USER\\Software]\n[" + kRoot + "\\A\\B\\C\\D]\n\"W\"=dword:2\n",
                    tree, &error))
      << error;
  const SettingsKey root = MemoryRootKey(tree);
  EXPECT_EQ(Int(root.openSubKey("A").openSubKey("B").openSubKey("C"), "V"), -12345);  // taken with the root
  EXPECT_EQ(Int(root.openSubKey("A").openSubKey("B").openSubKey("C").openSubKey("D"), "W"), 2);
}

TEST(Regedit4Read, ManySiblingKeysParseInLinearTime) {
  std::string file = "REGEDIT4\r\n";
  for (int i = 0; i < 50000; ++i) {
    file += "[" + kRoot + "\\K" + std::to_string(i) + "]\r\n\"V\"=dword:1\r\n";
  }
  for (int i = 0; i < 50000; i += 2) file += "[-" + kRoot + "\\k" + std::to_string(i) + "]\r\n";
  const auto start = std::chrono::steady_clock::now();
  auto tree = std::make_shared<MemoryTree>();
  std::string error;
  ASSERT_TRUE(Parse(file, tree, &error)) << error;
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(25000u, tree->root()->subKeys.size());
}

TEST(Regedit4Read, MutatedFilesNeverCrash) {
  auto tree = std::make_shared<MemoryTree>();
  SettingsKey root = MemoryRootKey(tree);
  root.createSubKey(kSo).writeText("T", TrickyText());
  root.writeText("Q", "a\\\"" + kHyou + "\"");
  root.writeInt("N", 0x5000);
  const std::string valid = FormatRegedit4(*tree, kRoot);

  std::mt19937 random(20480);
  const std::string specials = "\\\"[]-=,:@;\r\n\x83\x5c";
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = valid;
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits; ++e) {
      const std::size_t at = random() % bytes.size();
      switch (random() % 3) {
        case 0: bytes[at] = specials[random() % specials.size()]; break;
        case 1: bytes.erase(at, 1 + random() % 8); break;
        default: bytes.insert(at, 1, static_cast<char>(random() % 256)); break;
      }
      if (bytes.empty()) bytes = "x";
    }
    auto target = std::make_shared<MemoryTree>();
    std::string error;
    if (!Parse(bytes, target, &error)) {
      EXPECT_EQ(0u, error.rfind("line ", 0)) << error;
      EXPECT_TRUE(target->root()->subKeys.empty());
    }
  }
}

TEST(Regedit4Write, WritesTheExactLayout) {
  auto tree = std::make_shared<MemoryTree>();
  SettingsKey root = MemoryRootKey(tree);
  root.writeInt("ProgramVersion", 20480);
  root.writeText("Path", "C:\\" + kSo + "\\\"x\"");
  root.createSubKey("Word").writeText("Lines", "a\nb");
  root.createSubKey("Empty").createSubKey("Inner").writeInt("Minus", -1);
  root.writeInt("TargetType", 0);

  EXPECT_EQ("REGEDIT4\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura]\r\n"
            "\"ProgramVersion\"=dword:00005000\r\n"
            "\"Path\"=\"C:\\\\" + kSo + "\\\\\\\"x\\\"\"\r\n"
            "\"TargetType\"=dword:00000000\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura\\Word]\r\n"
            "\"Lines\"=hex(1):61,0a,62\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura\\Empty]\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura\\Empty\\Inner]\r\n"
            "\"Minus\"=dword:ffffffff\r\n"
            "\r\n",
            FormatRegedit4(*tree, kRoot));
}

TEST(Regedit4Write, AnyTextRoundTripsAndLongLinesAreContinued) {
  std::mt19937 random(932);
  auto tree = std::make_shared<MemoryTree>();
  SettingsKey root = MemoryRootKey(tree);
  std::vector<std::string> texts = {TrickyText(), kSo, kSo + "\"", "\x83", "a\x83", "\x83\"",
                                    "\x83\x0a", "\xfd\xfe\xff\x80\xa0", std::string(300, '\n')};
  for (int i = 0; i < 200; ++i) {
    std::string text(1 + random() % 40, ' ');
    for (char& c : text) c = static_cast<char>(1 + random() % 255);  // NUL ends texts elsewhere
    texts.push_back(text);
  }
  for (std::size_t i = 0; i < texts.size(); ++i) root.writeText("T" + std::to_string(i), texts[i]);

  const std::string file = FormatRegedit4(*tree, kRoot);
  std::size_t lineStart = 0;
  for (std::size_t end = file.find("\r\n"); end != std::string::npos;
       lineStart = end + 2, end = file.find("\r\n", lineStart)) {
    EXPECT_LE(end - lineStart, 80u) << file.substr(lineStart, end - lineStart);
  }
  auto back = std::make_shared<MemoryTree>();
  std::string error;
  ASSERT_TRUE(Parse(file, back, &error)) << error;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i], Text(MemoryRootKey(back), "T" + std::to_string(i))) << i;
  }
}

class Regedit4Store : public ::testing::Test {
 protected:
  MemoryDisk disk_;
  const std::string folder_ = disk_.addFolder("C:\\Users\\user\\AppData");
  const std::string path_ = folder_ + "mogura.reg";

  void WriteFile(const std::string& bytes) {
    ASSERT_TRUE(WriteFileAtomically(disk_, path_, bytes));
  }
  std::string ReadFile() {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(disk_, path_, 1 << 20, &bytes));
    return bytes;
  }
};

TEST_F(Regedit4Store, MissingFileIsAnEmptyStoreAndSaveCreatesIt) {
  Regedit4FileStore store("mogura", disk_);
  std::string error;
  ASSERT_TRUE(store.load(path_, &error)) << error;
  EXPECT_TRUE(SubKeys(store.root()).empty());
  ASSERT_TRUE(store.root().createSubKey("Word").writeText("T", kHyou));
  ASSERT_TRUE(store.save());

  Regedit4FileStore again("mogura", disk_);
  ASSERT_TRUE(again.load(path_, &error)) << error;
  EXPECT_EQ(kHyou, Text(again.root().openSubKey("Word"), "T"));
}

TEST_F(Regedit4Store, MalformedFileIsRefusedAndTheStoreKeepsWhatItHad) {
  WriteFile("REGEDIT4\r\n[" + kRoot + "]\r\n\"A\"=dword:1\r\n");
  Regedit4FileStore store("mogura", disk_);
  std::string error;
  ASSERT_TRUE(store.load(path_, &error)) << error;
  SettingsKey root = store.root();

  WriteFile("REGEDIT4\r\n[" + kRoot + "]\r\n\"A\"=dword:2\r\n\"B\"=oops\r\n");
  EXPECT_FALSE(store.load(path_, &error));
  EXPECT_EQ(0u, error.rfind("line 4: ", 0)) << error;
  EXPECT_EQ(1, Int(root, "A"));
}

TEST_F(Regedit4Store, OversizedFileIsRefusedUnread) {
  WriteFile("REGEDIT4\r\n;" + std::string(kMaxRegedit4FileSize, 'x'));
  Regedit4FileStore store("mogura", disk_);
  std::string error;
  EXPECT_FALSE(store.load(path_, &error));
  EXPECT_FALSE(error.empty());
}

TEST_F(Regedit4Store, SaveReplacesTheFileWholeAndLeavesNothingBeside) {
  WriteFile("REGEDIT4\r\n[" + kRoot + "\\Old]\r\n\"A\"=dword:1\r\n");
  Regedit4FileStore store("mogura", disk_);
  std::string error;
  ASSERT_TRUE(store.load(path_, &error)) << error;
  store.root().deleteSubKey("Old");
  store.root().writeInt("New", 2);
  ASSERT_TRUE(store.save());

  EXPECT_EQ("REGEDIT4\r\n\r\n[" + kRoot + "]\r\n\"New\"=dword:00000002\r\n\r\n", ReadFile());
  std::vector<std::string> names;
  ASSERT_TRUE(disk_.findFiles(folder_, "*", &names));
  EXPECT_EQ(std::vector<std::string>{"mogura.reg"}, names);
}

TEST(Regedit4StoreNoPath, SaveWithoutAPathFails) {
  Regedit4FileStore store;
  EXPECT_FALSE(store.save());
}

}  // namespace
}  // namespace mogura::test
