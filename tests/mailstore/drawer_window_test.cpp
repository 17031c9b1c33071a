#include "mailstore/drawer_window.h"

#include <gtest/gtest.h>

#include "mailstore/memory_files.h"

namespace mogura {
namespace {

using test::MemoryFiles;

std::string Digits(std::size_t n) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i) s += static_cast<char>('0' + i % 10);
  return s;
}

class DrawerWindowTest : public ::testing::Test {
 protected:
  DrawerWindowTest() { files.put("d.krm", Digits(1000)); }
  std::string_view Read(DrawerWindow& window, std::uint64_t offset, std::uint64_t length) {
    std::string_view bytes = "unset";
    EXPECT_TRUE(window.read(offset, length, &bytes));
    return bytes;
  }
  MemoryFiles files;
};

TEST_F(DrawerWindowTest, RangesThatFollowEachOtherAreServedFromOneBlock) {
  auto file = files.openRead("d.krm");
  DrawerWindow window(file.get(), 400);
  EXPECT_EQ(Read(window, 0, 10), Digits(10));
  EXPECT_EQ(Read(window, 10, 390), Digits(400).substr(10));
  EXPECT_EQ(files.bytesRead, 400u);
  EXPECT_EQ(Read(window, 395, 10), Digits(405).substr(395));  // leaves the window: a new block
  EXPECT_EQ(files.bytesRead, 800u);
  EXPECT_EQ(files.largestRequest, 400u);
}

TEST_F(DrawerWindowTest, RangesAreClampedToTheFileAndLargeOnesReadAlone) {
  auto file = files.openRead("d.krm");
  DrawerWindow window(file.get(), 100);
  EXPECT_EQ(Read(window, 990, 0xFFFFFFFFu), Digits(1000).substr(990));
  EXPECT_EQ(Read(window, 1000, 5), "");
  EXPECT_EQ(Read(window, 5000, 5), "");
  EXPECT_EQ(Read(window, 3, 0), "");
  EXPECT_EQ(Read(window, 0, 0xFFFFFFFFu).size(), 1000u);  // never more than the file holds
  EXPECT_LE(files.largestRequest, 1000u);
}

TEST_F(DrawerWindowTest, OnlyAnErrorInsideTheRangeFailsIt) {
  files.files["d.krm"].failFrom = 500;
  auto file = files.openRead("d.krm");
  DrawerWindow window(file.get(), 800);
  EXPECT_EQ(Read(window, 100, 50), Digits(150).substr(100));  // the block would reach 500
  std::string_view bytes;
  EXPECT_FALSE(window.read(450, 100, &bytes));
  EXPECT_TRUE(bytes.empty());
  DrawerWindow none(nullptr);
  EXPECT_FALSE(none.read(0, 1, &bytes));
}

}  // namespace
}  // namespace mogura
