// Mutated information files: whatever the bytes, reading ends, nothing outside the
// installation is made or removed, and every list stays in its bounds. Deterministic, so a
// failure repeats.
#include <gtest/gtest.h>

#include <random>

#include "setup/fake_setup_edge.h"
#include "setup/registry_removal.h"
#include "setup/setup_info_properties.h"

namespace mogura {
namespace {

const std::string kSeed =
    "[Install]\r\nTitle=Mogura\r\nFolder=mogura\r\nTSR=0\r\nOpen=doc\\guide.htm\r\n"
    "1=mogura.exe\r\n2=guide.htm,doc\\guide.htm\r\n3=mogura.exe,tools\\" + test::kSo + "\\m.exe\r\n"
    "[Group]\r\n1=Mogura,mogura.exe\r\n2=Guide,doc\\guide.htm,--x\r\n"
    "[Reg]\r\n1=HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura\r\n2=HKEY_CLASSES_ROOT\\.mog\r\n";

// Pieces that mean something to the reader or to the paths built from the values.
const char* const kTokens[] = {"[",  "]",  "=",    ",",  "\\",         "..",  "..\\", "\r\n", "\n",  "\r",
                               "\"", "'",  ";",    " ",  "\t",         "\x1A", "C:",  "\x83", "\x5C", "\x81\x5D",
                               "1=", "2=", "[Reg]", "[Install]", "HKEY_LOCAL_MACHINE", "Folder=", "Title=",
                               "TSR=1", "/", ":"};

std::string Mutate(std::string bytes, std::mt19937& random) {
  const int damages = 1 + static_cast<int>(random() % 4);
  for (int i = 0; i < damages; ++i) {
    const std::size_t at = random() % (bytes.size() + 1);
    switch (random() % 4) {
      case 0:
        if (at < bytes.size()) bytes[at] = static_cast<char>(random());
        break;
      case 1:
        bytes.erase(at, random() % 16);
        break;
      case 2:
        bytes.insert(at, kTokens[random() % std::size(kTokens)]);
        break;
      default:
        bytes.insert(at, std::string(random() % 300, static_cast<char>(random())));
    }
  }
  return bytes;
}

TEST(SetupFuzz, MutatedInformationFilesNeverReachOthersFilesOrKeys) {
  std::mt19937 random(20240610);
  ASSERT_EQ(test::SetupInfoViolation(kSeed), "");
  for (int round = 0; round < 4000; ++round) {
    const std::string info = Mutate(kSeed, random);
    ASSERT_EQ(test::SetupInfoViolation(info), "") << "round " << round << ": " << info;
  }
}

// Found by the fuzzer: a folder of characters whose second byte is a backslash gave an uninstall
// key the machine in memory split at those bytes and then made level upon level again, in time
// exponential in the depth. It must be a quick run that keeps every property.
TEST(SetupFuzz, FolderOfBackslashTrailBytesMakesItsKeyInOnePass) {
  const std::string info(
      "[install]\rtist\xF7\xFF\xA1\xFF\xFF\rtitle=\xFF\xFF\xFF\xFF\xC0~\xFF\xFF\\o@ld=\x82\\"
      "\x82\\=seolder\"\nf\"\nfolder=ce=\x82\\o\x08" "d\x0E" "er=cee=\x82\\older=4e==ee=\x82\\"
      "\x82\\=see=\x82\\o@=\x82\\older=4e==ee=\x82\\\x82\\=see=\x82\\old=\x82\\\x82\\=see=\x82"
      "\\o@lder=se=\x82\\o=ldhrseeua-c\n[[[-se",
      182);
  EXPECT_EQ(test::SetupInfoViolation(info), "");
}

TEST(SetupFuzz, RandomBytesAndLongLines) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::string info(random() % 2000, '\0');
    for (char& c : info) c = static_cast<char>(random());
    ASSERT_EQ(test::SetupInfoViolation(info), "") << "round " << round;
  }
  EXPECT_EQ(test::SetupInfoViolation("[Install]\r\nTitle=" + std::string(100000, 'x') + "\r\nFolder=m\r\n"), "");
}

TEST(SetupFuzz, AcceptedRegValuesNameAKeyBelowTheirRoot) {
  std::mt19937 random(11);
  for (int round = 0; round < 3000; ++round) {
    const std::string value = Mutate("HKEY_CURRENT_USER\\Software\\Pikomaru", random);
    if (const auto key = ParseRegListValue(value)) {
      EXPECT_FALSE(key->subkey.empty()) << value;
      EXPECT_NE(key->subkey.front(), '\\') << value;
    }
  }
}

}  // namespace
}  // namespace mogura
