// Storing the format list: save and load, the value rules, and the conversion of stores
// written by early versions (ProgramVersion 0x2000 or less).
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "html/html_format_list.h"
#include "store/memory_store.h"
#include "store/regedit4_file.h"

namespace mogura {
namespace {

const std::string kMailPageTitle = "\x83\x81\x81[\x83\x8B\x82\xCC\x83y\x81[\x83W";  // メールのページ
const std::string kHeaderOneTitle =  // １つのメールの直前
    "\x82P\x82\xC2\x82\xCC\x83\x81\x81[\x83\x8B\x82\xCC\x92\xBC\x91O";
const std::string kFooterOneTitle =  // １つのメールの直後
    "\x82P\x82\xC2\x82\xCC\x83\x81\x81[\x83\x8B\x82\xCC\x92\xBC\x8C\xE3";

class FormatStorage : public ::testing::Test {
 protected:
  // The node at `path` below the root; nullptr when a key on the way is missing.
  const MemoryKeyNode* node(std::initializer_list<std::string_view> path) const {
    const MemoryKeyNode* current = tree_->root().get();
    for (std::string_view name : path) {
      const std::shared_ptr<MemoryKeyNode>* child = current->subKeys.find(name);
      if (!child) return nullptr;
      current = child->get();
    }
    return current;
  }
  std::vector<std::string> subKeyNames(std::initializer_list<std::string_view> path) const {
    std::vector<std::string> names;
    if (const MemoryKeyNode* n = node(path)) {
      for (const auto& item : n->subKeys) names.push_back(item.name);
    }
    return names;
  }

  std::shared_ptr<MemoryTree> tree_ = std::make_shared<MemoryTree>();
  SettingsKey root_ = MemoryRootKey(tree_);
};

std::vector<std::string> Keys(const FormatPage& page) {
  std::vector<std::string> keys;
  for (const TemplatePlace& place : page.places()) keys.push_back(place.key());
  return keys;
}

std::vector<std::string> PageKeys(const HtmlFormat& format) {
  std::vector<std::string> keys;
  for (const FormatPage& page : format.pages()) keys.push_back(page.key());
  return keys;
}

// A list with changes in every kind of field.
HtmlFormatList EditedList() {
  HtmlFormatList list;
  list.Reset();
  HtmlFormat& user = *list.findFormat("UserSetting");
  user.setTitle("mine \x83\x5C");  // a trail byte equal to a backslash
  FormatPage& mail = *user.findPage("Mail");
  mail.findPlace("Header")->setText("<html>\n<body>\n");
  mail.findPlace("Footer")->setText("");  // saved as an empty text
  mail.findPlace("BeforeLine")->setText("\t- ");
  mail.setOutputSubject(true);
  mail.setOutputList(true);
  mail.setListColumn(5);
  mail.setOutputDateEventMail(true);
  FormatPage& index = *user.findPage("Index");
  index.setOutputDatePetMail(true);
  index.places().erase(index.places().begin() + 2);  // no IndexItem
  list.formats().push_back(HtmlFormat("Extra", "extra"));
  list.formats().back().pages().push_back(FormatPage("Mail", "m"));
  list.select("UserSetting");
  return list;
}

TEST_F(FormatStorage, AnEmptyStoreGivesTheBuiltInFormatsAndStaysEmpty) {
  HtmlFormatList list;
  list.Load(root_, 0);
  ASSERT_EQ(list.formats().size(), 2u);
  EXPECT_EQ(list.formats()[0].identifier(), "UserSetting");
  EXPECT_EQ(list.formats()[1].identifier(), "Default");
  EXPECT_EQ(list.activeIdentifier(), "Default");
  EXPECT_EQ(node({"HTML"}), nullptr);  // loading never creates keys
}

TEST_F(FormatStorage, SaveThenLoadGivesTheSameList) {
  const HtmlFormatList saved = EditedList();
  ASSERT_TRUE(saved.Save(root_));
  EXPECT_EQ(subKeyNames({"HTML"}), (std::vector<std::string>{"UserSetting", "Default", "Extra"}));
  EXPECT_EQ(subKeyNames({"HTML", "UserSetting"}), (std::vector<std::string>{"Mail", "Index"}));

  HtmlFormatList loaded;
  loaded.Reset();
  loaded.Load(root_, kProgramVersion);
  EXPECT_EQ(loaded, saved);
  const FormatPage& mail = *loaded.activePage(PageKind::Mail);
  EXPECT_EQ(mail.placeText("Header"), "<html>\n<body>\n");
  EXPECT_EQ(mail.listColumn(), 5);
  EXPECT_TRUE(mail.outputSubject());
  EXPECT_FALSE(mail.outputDatePetMail());
  EXPECT_TRUE(mail.outputDateEventMail());
  EXPECT_EQ(loaded.activeFormat()->title(), "mine \x83\x5C");

  // The empty text is stored as a text of length 0 and loads as empty.
  const MemoryKeyNode* footer = node({"HTML", "UserSetting", "Mail", "Footer"});
  ASSERT_NE(footer, nullptr);
  const MemoryValue* text = footer->values.find("ContentText");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->type, MemoryValue::Type::kText);
  EXPECT_EQ(text->text, "");
  EXPECT_EQ(mail.placeText("Footer"), "");
  // Line breaks are stored as bare line feeds.
  EXPECT_EQ(node({"HTML", "UserSetting", "Mail", "Header"})->values.find("ContentText")->text,
            "<html>\n<body>\n");
}

TEST_F(FormatStorage, RoundTripThroughARegedit4File) {
  const HtmlFormatList saved = EditedList();
  saved.Save(root_);
  const std::string rootPath = SettingsRootPath("mogura");
  const std::string file = FormatRegedit4(*tree_, rootPath);
  auto reread = std::make_shared<MemoryTree>();
  std::string error;
  ASSERT_TRUE(ParseRegedit4(file, rootPath, reread.get(), &error)) << error;
  HtmlFormatList loaded;
  loaded.Load(MemoryRootKey(reread), kProgramVersion);
  EXPECT_EQ(loaded, saved);
}

TEST_F(FormatStorage, LoadFollowsTheStoreOrderAndItsValueRules) {
  const SettingsKey html = root_.createSubKey("HTML");
  html.writeText("ActiveSelection", "Gone");
  const SettingsKey format = html.createSubKey("Mine");
  const SettingsKey index = format.createSubKey("Index");
  index.writeInt("ListColumn", 0);  // acts as 1
  index.createSubKey("Footer").writeText("ContentText", "F");
  index.createSubKey("Header").writeText("Title", "H");
  const SettingsKey mail = format.createSubKey("Mail");  // no values: defaults
  mail.writeText("Title", "");                           // empty reads as absent
  mail.writeInt("OutputList", 7);                        // any non-zero is true

  HtmlFormatList list;
  list.Reset();
  list.Load(root_, kProgramVersion);
  ASSERT_EQ(list.formats().size(), 1u);
  const HtmlFormat& mine = list.formats()[0];
  EXPECT_EQ(mine.identifier(), "Mine");
  EXPECT_EQ(mine.title(), "");
  EXPECT_EQ(PageKeys(mine), (std::vector<std::string>{"Index", "Mail"}));
  EXPECT_EQ(Keys(mine.pages()[0]), (std::vector<std::string>{"Footer", "Header"}));
  EXPECT_EQ(mine.pages()[0].listColumn(), 1);
  EXPECT_EQ(mine.pages()[0].placeText("Footer"), "F");
  EXPECT_EQ(mine.pages()[0].findPlace("Header")->title(), "H");
  EXPECT_EQ(mine.pages()[0].placeText("Header"), "");
  const FormatPage& bare = mine.pages()[1];
  EXPECT_EQ(bare.title(), "");
  EXPECT_TRUE(bare.places().empty());
  EXPECT_TRUE(bare.outputList());
  EXPECT_FALSE(bare.outputSubject());
  EXPECT_EQ(bare.listColumn(), 3);
  // An active identifier naming no format stays.
  EXPECT_EQ(list.activeIdentifier(), "Gone");
  EXPECT_EQ(list.activeFormat(), nullptr);
}

TEST_F(FormatStorage, SaveKeepsWhatTheModelFindsWhenKeysRepeat) {
  HtmlFormatList list;
  list.Reset();
  FormatPage& mail = *list.findFormat("UserSetting")->findPage("Mail");
  // A user's table text first, the default copy after it (as the conversion leaves it).
  mail.findPlace("Table_Header")->setText("<table border=1>");
  mail.appendPlace(TemplatePlace("Table_Header", "t", "<table>"));
  list.findFormat("UserSetting")->pages().push_back(FormatPage("index", "second index"));
  list.Save(root_);

  HtmlFormatList loaded;
  loaded.Load(root_, kProgramVersion);
  const HtmlFormat& user = *loaded.findFormat("UserSetting");
  EXPECT_EQ(user.findPage("Mail")->placeText("Table_Header"), "<table border=1>");
  EXPECT_EQ(user.findPage("Mail")->places().size(), 14u);
  EXPECT_EQ(PageKeys(user), (std::vector<std::string>{"Mail", "Index"}));
  EXPECT_EQ(user.findPage("Index")->places().size(), 9u);
}

TEST_F(FormatStorage, SavingNeverDeletes) {
  root_.createSubKey("HTML").createSubKey("Old").writeText("Title", "old");
  HtmlFormatList list;
  list.Reset();
  list.Save(root_);
  HtmlFormatList loaded;
  loaded.Load(root_, kProgramVersion);
  EXPECT_NE(loaded.findFormat("Old"), nullptr);
  EXPECT_EQ(loaded.formats().size(), 3u);
}

// ---- early stores ----

// A store as an early version wrote it: the Mail page was "KosoriDialy", and a "PetMail"
// page existed; there were no table places and no Index page.
void WriteOldStore(const SettingsKey& root) {
  const SettingsKey html = root.createSubKey("HTML");
  html.writeText("ActiveSelection", "UserSetting");
  for (const char* id : {"UserSetting", "Default"}) {
    const SettingsKey format = html.createSubKey(id);
    format.writeText("Title", std::string("old ") + id);
    const SettingsKey diary = format.createSubKey("KosoriDialy");
    diary.writeText("Title", "diary page");
    diary.writeInt("OutputSubject", 1);
    const SettingsKey header = diary.createSubKey("Header");
    header.writeText("Title", "head");
    header.writeText("ContentText", std::string("<html>\n") + id);
    diary.createSubKey("HeaderOne").writeText("Title", "before one diary");
    const SettingsKey footerOne = diary.createSubKey("FooterOne");
    footerOne.writeText("Title", "after one diary");
    footerOne.writeText("ContentText", "<hr>");
    diary.createSubKey("EndLine").writeText("ContentText", "<br>");
    const SettingsKey pet = format.createSubKey("PetMail");
    pet.writeText("Title", "pet page");
    pet.createSubKey("Header").writeText("ContentText", "pet");
  }
}

TEST_F(FormatStorage, Version0x2000StoreIsConvertedOnLoad) {
  WriteOldStore(root_);
  HtmlFormatList list;
  list.Reset();
  list.Load(root_, 0x2000);

  ASSERT_EQ(list.formats().size(), 2u);
  EXPECT_EQ(list.activeIdentifier(), "UserSetting");
  const HtmlFormat& user = *list.findFormat("UserSetting");
  EXPECT_EQ(user.title(), "old UserSetting");
  EXPECT_EQ(PageKeys(user), (std::vector<std::string>{"Mail", "Index"}));
  const FormatPage& mail = user.pages()[0];
  EXPECT_EQ(mail.title(), kMailPageTitle);
  EXPECT_TRUE(mail.outputSubject());
  EXPECT_EQ(Keys(mail), (std::vector<std::string>{"Header", "HeaderOne", "FooterOne", "EndLine",
                                                  "Table_Header", "Table_Footer", "Table_HeaderRow",
                                                  "Table_FotterRow", "Table_HeaderColumn",
                                                  "Table_FotterColumn"}));
  EXPECT_EQ(mail.placeText("Header"), "<html>\nUserSetting");
  EXPECT_EQ(mail.findPlace("Header")->title(), "head");
  EXPECT_EQ(mail.findPlace("HeaderOne")->title(), kHeaderOneTitle);
  EXPECT_EQ(mail.findPlace("FooterOne")->title(), kFooterOneTitle);
  EXPECT_EQ(mail.placeText("FooterOne"), "<hr>");
  EXPECT_EQ(mail.placeText("Table_FotterColumn"), "</td>");
  EXPECT_EQ(user.pages()[1], DescriptorOf(PageKind::Index).build());

  // Default gets the built-in pages, its table places then stand twice.
  const HtmlFormat& standard = *list.findFormat("Default");
  EXPECT_EQ(standard.title(), "old Default");
  EXPECT_EQ(PageKeys(standard), (std::vector<std::string>{"Mail", "Index"}));
  EXPECT_EQ(standard.pages()[0].places().size(), 20u);
  EXPECT_EQ(standard.pages()[0].placeText("Header"),
            DescriptorOf(PageKind::Mail).build().placeText("Header"));
  EXPECT_EQ(standard.pages()[1].places().size(), 9u);
}

TEST_F(FormatStorage, OldPageKeysGoAtTheNextSaveNotAtLoad) {
  WriteOldStore(root_);
  HtmlFormatList list;
  list.Load(root_, 0x2000);
  // Loading alone leaves the store as it was: a run that ends without saving loses nothing.
  EXPECT_EQ(subKeyNames({"HTML", "UserSetting"}),
            (std::vector<std::string>{"KosoriDialy", "PetMail"}));
  HtmlFormatList again;
  again.Load(root_, 0x2000);
  EXPECT_EQ(again, list);

  ASSERT_TRUE(list.Save(root_));
  for (const char* id : {"UserSetting", "Default"}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(subKeyNames({"HTML", id}), (std::vector<std::string>{"Mail", "Index"}));
  }
  EXPECT_EQ(node({"HTML", "UserSetting", "KosoriDialy"}), nullptr);
  EXPECT_EQ(node({"HTML", "Default", "PetMail", "Header"}), nullptr);

  // Saved once, the store is of the current version and reads back without conversion.
  HtmlFormatList reloaded;
  reloaded.Load(root_, kProgramVersion);
  EXPECT_EQ(*reloaded.findFormat("UserSetting"), *list.findFormat("UserSetting"));
  EXPECT_EQ(Keys(reloaded.findFormat("Default")->pages()[0]),
            Keys(DescriptorOf(PageKind::Mail).build()));
  // A second save has nothing old left to delete and keeps the pages.
  list.Save(root_);
  HtmlFormatList third;
  third.Load(root_, kProgramVersion);
  EXPECT_EQ(third, reloaded);
}

TEST_F(FormatStorage, StoresWithoutProgramVersionAreOld) {
  WriteOldStore(root_);
  HtmlFormatList list;
  list.Load(root_);  // ProgramVersion absent: 0
  EXPECT_EQ(PageKeys(*list.findFormat("UserSetting")), (std::vector<std::string>{"Mail", "Index"}));

  root_.writeInt("ProgramVersion", 0x2001);
  HtmlFormatList newer;
  newer.Load(root_);
  EXPECT_EQ(PageKeys(*newer.findFormat("UserSetting")),
            (std::vector<std::string>{"KosoriDialy", "PetMail"}));
  EXPECT_EQ(newer.findFormat("UserSetting")->pages()[0].title(), "diary page");
}

TEST_F(FormatStorage, OldFormatWithoutAMailPageSkipsTheTablePlaces) {
  const SettingsKey html = root_.createSubKey("HTML");
  const SettingsKey other = html.createSubKey("Other");
  other.createSubKey("PetMail").createSubKey("Header").writeText("ContentText", "x");
  other.createSubKey("Index").writeText("Title", "idx");
  // A format key without pages at all.
  html.createSubKey("UserSetting").writeText("Title", "u");

  HtmlFormatList list;
  list.Load(root_, 0x1000);
  const HtmlFormat& o = *list.findFormat("Other");
  EXPECT_EQ(PageKeys(o), (std::vector<std::string>{"Index"}));
  EXPECT_TRUE(o.pages()[0].places().empty());
  const HtmlFormat& user = *list.findFormat("UserSetting");
  EXPECT_EQ(PageKeys(user), (std::vector<std::string>{"Index"}));
  // No ActiveSelection stored: the active identifier stays as it was.
  EXPECT_EQ(list.activeIdentifier(), "");
}

}  // namespace
}  // namespace mogura
