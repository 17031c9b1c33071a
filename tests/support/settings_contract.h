// The contract every settings backend keeps, as one typed test suite. A backend fixture type
// provides:
//   SettingsKey root();    the root of an empty store (the same store on every call)
//   SettingsKey reopen();  makes what was written durable and opens the root afresh, so that
//                          reads go through the backend's storage (a file is written and read)
//   static constexpr bool kCreationOrder;  sub-keys enumerate in creation order
// Instantiate with:
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, SettingsContract, ::testing::Types<Backend>);
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "store/settings_key.h"

namespace mogura::test {

// Texts whose bytes are easy to get wrong: double-byte characters with the trail byte 0x5C
// ("ソ", "表"), quotes, backslashes, line breaks.
inline const std::string kSo = "\x83\x5c";     // katakana "so"
inline const std::string kHyou = "\x95\x5c";   // kanji "table"
inline const std::string kA = "\x82\xa0";      // hiragana "a"
inline std::string TrickyText() {
  return "C:\\" + kSo + "\\" + kHyou + "\"x\"\r\nline2\n" + kSo;
}

template <class Backend>
class SettingsContract : public ::testing::Test {
 protected:
  Backend backend_;
};

TYPED_TEST_SUITE_P(SettingsContract);

TYPED_TEST_P(SettingsContract, OpenDoesNotCreateAndCreateOpensExisting) {
  SettingsKey root = this->backend_.root();
  ASSERT_TRUE(root.valid());
  EXPECT_FALSE(root.openSubKey("Missing").valid());

  SettingsKey created = root.createSubKey("Section");
  ASSERT_TRUE(created.valid());
  EXPECT_TRUE(created.writeInt("Value", 7));
  // Creating again opens the existing key; names compare without regard to ASCII case.
  SettingsKey again = root.createSubKey("SECTION");
  std::int32_t value = 0;
  EXPECT_TRUE(again.readInt("value", &value));
  EXPECT_EQ(7, value);

  SettingsKey reopened = this->backend_.reopen();
  EXPECT_FALSE(reopened.openSubKey("Missing").valid());
  std::vector<std::string> names;
  EXPECT_TRUE(reopened.enumSubKeys(&names));
  EXPECT_EQ(std::vector<std::string>{"Section"}, names);
  value = 0;
  EXPECT_TRUE(reopened.openSubKey("section").readInt("Value", &value));
  EXPECT_EQ(7, value);
}

TYPED_TEST_P(SettingsContract, EmptyKeyExistsAfterReopen) {
  ASSERT_TRUE(this->backend_.root().createSubKey("Empty").createSubKey("Inner").valid());
  SettingsKey root = this->backend_.reopen();
  EXPECT_TRUE(root.openSubKey("Empty").valid());
  EXPECT_TRUE(root.openSubKey("Empty").openSubKey("Inner").valid());
}

TYPED_TEST_P(SettingsContract, DeleteSubKeyTakesItsWholeSubtree) {
  SettingsKey root = this->backend_.root();
  SettingsKey a = root.createSubKey("A");
  ASSERT_TRUE(a.createSubKey("B").createSubKey("C").writeText("T", "deep"));
  ASSERT_TRUE(a.writeInt("N", 1));
  ASSERT_TRUE(root.createSubKey("Sibling").writeInt("N", 2));

  EXPECT_TRUE(root.deleteSubKey("a"));
  EXPECT_FALSE(root.openSubKey("A").valid());
  EXPECT_FALSE(root.deleteSubKey("A"));  // nothing left to delete

  SettingsKey reopened = this->backend_.reopen();
  EXPECT_FALSE(reopened.openSubKey("A").valid());
  std::int32_t n = 0;
  EXPECT_TRUE(reopened.openSubKey("Sibling").readInt("N", &n));
  EXPECT_EQ(2, n);
  // Created again, the key is empty.
  SettingsKey fresh = reopened.createSubKey("A");
  EXPECT_FALSE(fresh.openSubKey("B").valid());
  EXPECT_FALSE(fresh.readInt("N", &n));
}

TYPED_TEST_P(SettingsContract, DeleteValueKeepsTheOthers) {
  SettingsKey root = this->backend_.root();
  ASSERT_TRUE(root.writeInt("Gone", 1));
  ASSERT_TRUE(root.writeText("Kept", "k"));
  EXPECT_TRUE(root.deleteValue("GONE"));
  EXPECT_FALSE(root.deleteValue("Gone"));
  EXPECT_FALSE(root.deleteValue("NeverThere"));

  SettingsKey reopened = this->backend_.reopen();
  std::int32_t n = 5;
  EXPECT_FALSE(reopened.readInt("Gone", &n));
  EXPECT_EQ(5, n);
  std::string kept;
  EXPECT_TRUE(reopened.readText("Kept", &kept));
  EXPECT_EQ("k", kept);
}

TYPED_TEST_P(SettingsContract, EnumerationAppendsInTheStoresOrder) {
  SettingsKey root = this->backend_.root();
  const std::vector<std::string> created = {"Zeta", "alpha", kSo + kHyou, "Mid"};
  for (const auto& name : created) ASSERT_TRUE(root.createSubKey(name).valid());
  ASSERT_TRUE(root.createSubKey("Mid").createSubKey("Grandchild").valid());

  std::vector<std::string> names = {"already there"};
  EXPECT_TRUE(this->backend_.reopen().enumSubKeys(&names));
  ASSERT_EQ(created.size() + 1, names.size());
  EXPECT_EQ("already there", names[0]);
  std::vector<std::string> got(names.begin() + 1, names.end());
  if (TypeParam::kCreationOrder) {
    EXPECT_EQ(created, got);
  } else {
    std::vector<std::string> want = created;
    std::sort(want.begin(), want.end());
    std::sort(got.begin(), got.end());
    EXPECT_EQ(want, got);
  }
}

TYPED_TEST_P(SettingsContract, IntegerAndFlagReadRules) {
  SettingsKey root = this->backend_.root();
  ASSERT_TRUE(root.writeInt("Minus", -1));
  ASSERT_TRUE(root.writeInt("Version", 0x5000));
  ASSERT_TRUE(root.writeInt("Two", 2));
  ASSERT_TRUE(root.writeInt("Zero", 0));
  ASSERT_TRUE(root.writeFlag("On", true));
  ASSERT_TRUE(root.writeInt("Overwritten", 1));
  ASSERT_TRUE(root.writeInt("Overwritten", 3));

  SettingsKey r = this->backend_.reopen();
  std::int32_t n = 0;
  EXPECT_TRUE(r.readInt("Minus", &n));
  EXPECT_EQ(-1, n);
  EXPECT_TRUE(r.readInt("Version", &n));
  EXPECT_EQ(20480, n);
  EXPECT_TRUE(r.readInt("Overwritten", &n));
  EXPECT_EQ(3, n);
  EXPECT_TRUE(r.readInt("On", &n));
  EXPECT_EQ(1, n);

  bool flag = false;
  EXPECT_TRUE(r.readFlag("Two", &flag));  // any integer but 0 is true
  EXPECT_TRUE(flag);
  EXPECT_TRUE(r.readFlag("Zero", &flag));
  EXPECT_FALSE(flag);

  n = 42;
  flag = true;
  EXPECT_FALSE(r.readInt("Absent", &n));
  EXPECT_FALSE(r.readFlag("Absent", &flag));
  EXPECT_EQ(42, n);
  EXPECT_TRUE(flag);
}

TYPED_TEST_P(SettingsContract, TextReadRules) {
  SettingsKey root = this->backend_.root();
  SettingsKey section = root.createSubKey(kHyou);
  ASSERT_TRUE(section.writeText("Tricky", TrickyText()));
  ASSERT_TRUE(section.writeText("Empty", ""));
  ASSERT_TRUE(section.writeText("Plain", "abc"));
  ASSERT_TRUE(section.writeText("EndsInSo", kA + kSo));
  ASSERT_TRUE(section.writeInt("Changed", 1));
  ASSERT_TRUE(section.writeText("Changed", "now a text"));

  SettingsKey r = this->backend_.reopen().openSubKey(kHyou);
  ASSERT_TRUE(r.valid());
  std::string text;
  EXPECT_TRUE(r.readText("Tricky", &text));
  EXPECT_EQ(TrickyText(), text);
  EXPECT_TRUE(r.readText("EndsInSo", &text));
  EXPECT_EQ(kA + kSo, text);
  EXPECT_TRUE(r.readText("Changed", &text));
  EXPECT_EQ("now a text", text);

  text = "before";
  EXPECT_FALSE(r.readText("Empty", &text));  // an empty text reads as absent
  EXPECT_EQ("before", text);
  EXPECT_FALSE(r.readText("Absent", &text));
  EXPECT_EQ("before", text);
}

TYPED_TEST_P(SettingsContract, NameLimits) {
  SettingsKey root = this->backend_.root();
  const std::string value511(511, 'v');
  const std::string value512(512, 'v');
  // 255 double-byte characters: 510 bytes, the longest key name every backend holds.
  std::string key510;
  for (int i = 0; i < 255; ++i) key510 += kSo;

  EXPECT_TRUE(root.writeInt(value511, 511));
  EXPECT_FALSE(root.writeInt(value512, 512));
  EXPECT_TRUE(root.createSubKey(key510).writeText("N", "x"));
  EXPECT_FALSE(root.createSubKey(std::string(512, 'k')).valid());
  EXPECT_FALSE(root.createSubKey("").valid());
  EXPECT_FALSE(root.createSubKey("a\\b").valid());  // one key at a time
  EXPECT_TRUE(root.writeText("back\\slash", "ok"));  // value names may hold one

  SettingsKey r = this->backend_.reopen();
  std::int32_t n = 0;
  EXPECT_TRUE(r.readInt(value511, &n));
  EXPECT_EQ(511, n);
  n = 0;
  EXPECT_FALSE(r.readInt(value512, &n));
  EXPECT_EQ(0, n);
  std::string text;
  EXPECT_TRUE(r.readText("back\\slash", &text));
  EXPECT_EQ("ok", text);
  std::vector<std::string> names;
  EXPECT_TRUE(r.enumSubKeys(&names));
  EXPECT_EQ(std::vector<std::string>{key510}, names);
  EXPECT_TRUE(r.openSubKey(key510).readText("N", &text));
  EXPECT_EQ("x", text);
}

TYPED_TEST_P(SettingsContract, InvalidAndDeletedHandlesFailEverything) {
  SettingsKey invalid;
  std::int32_t n = 9;
  std::string text = "t";
  std::vector<std::string> names;
  EXPECT_FALSE(invalid.valid());
  EXPECT_FALSE(invalid.createSubKey("X").valid());
  EXPECT_FALSE(invalid.writeInt("N", 1));
  EXPECT_FALSE(invalid.readInt("N", &n));
  EXPECT_FALSE(invalid.enumSubKeys(&names));
  EXPECT_EQ(9, n);

  SettingsKey root = this->backend_.root();
  SettingsKey doomed = root.createSubKey("Doomed");
  SettingsKey child = doomed.createSubKey("Child");
  ASSERT_TRUE(child.writeInt("N", 1));
  ASSERT_TRUE(root.deleteSubKey("Doomed"));
  EXPECT_FALSE(child.readInt("N", &n));
  EXPECT_FALSE(doomed.writeText("T", "lost"));
  EXPECT_FALSE(doomed.createSubKey("Again").valid());
  EXPECT_EQ(9, n);
  EXPECT_FALSE(this->backend_.reopen().openSubKey("Doomed").valid());
}

// "ア" (0x83 0x41) and "ヂ" (0x83 0x61) differ only in a trail byte that looks like 'A' / 'a':
// folding it as a letter would merge two keys and two values.
TYPED_TEST_P(SettingsContract, TrailBytesAreNeverFoldedAsLetters) {
  SettingsKey root = this->backend_.root();
  ASSERT_TRUE(root.createSubKey("\x83\x41").writeInt("V", 1));
  ASSERT_TRUE(root.createSubKey("\x83\x61").writeInt("V", 2));
  ASSERT_TRUE(root.writeInt("\x83\x41", 3));
  ASSERT_TRUE(root.writeInt("\x83\x61", 4));
  SettingsKey reopened = this->backend_.reopen();
  std::int32_t a = 0, b = 0, c = 0, d = 0;
  EXPECT_TRUE(reopened.openSubKey("\x83\x41").readInt("V", &a));
  EXPECT_TRUE(reopened.openSubKey("\x83\x61").readInt("V", &b));
  EXPECT_TRUE(reopened.readInt("\x83\x41", &c));
  EXPECT_TRUE(reopened.readInt("\x83\x61", &d));
  EXPECT_EQ(std::vector<int>({1, 2, 3, 4}), std::vector<int>({a, b, c, d}));
}

REGISTER_TYPED_TEST_SUITE_P(SettingsContract, OpenDoesNotCreateAndCreateOpensExisting, TrailBytesAreNeverFoldedAsLetters,
                            EmptyKeyExistsAfterReopen, DeleteSubKeyTakesItsWholeSubtree,
                            DeleteValueKeepsTheOthers, EnumerationAppendsInTheStoresOrder,
                            IntegerAndFlagReadRules, TextReadRules, NameLimits,
                            InvalidAndDeletedHandlesFailEverything);

}  // namespace mogura::test
