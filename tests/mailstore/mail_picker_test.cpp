// Picking one kind of mail out of a drawer: the kind decisions of the header, the diary rule,
// the park's event mail, the pet's signature, the date range, and the final order.
#include "mailstore/mail_picker.h"

#include <gtest/gtest.h>

#include "base/string_table.h"
#include "mailstore/mail_sources.h"
#include "support/memory_disk.h"
#include "platform/clock.h"
#include "settings/pickup_settings.h"
#include "support/drawer_writer.h"

namespace mogura {
namespace {

using test::DrawerWriter;
using test::MailSpec;
using test::MemoryDisk;
using Subjects = std::vector<std::string>;

const std::string kFolder = "C:\\recv\\";
const std::string kDiaryType = "Content-Type: multipart/mixed; boundary=\"***kiritorisen***\"\r\n";
const std::string kEventFrom = "Kurumin Park <event@park.kurumin.ne.jp>";
const std::string kEventMailer = "X-Mailer: Kurumin for Event Server Ver 2.1\r\n";

std::string DiarySubject() { return std::string(LoadText(IDS_DIARY_SUBJECT)); }

DateTime FixedNow() { return DateTime::Make(2001, 5, 5, 12, 0, 0); }

class MailPickerTest : public ::testing::Test {
 protected:
  MailPickerTest() : previous_(SetLocalClock(&FixedNow)) { files.addFolder(kFolder); }
  ~MailPickerTest() override { SetLocalClock(previous_); }

  // Reads the drawer written so far, picking `kind`.
  bool Pick(MailKind kind) {
    result = MailList();
    EXPECT_TRUE(writer.write(kFolder, "box", files));
    MailPicker picker(pickup.Filter(), kind, files);
    picker.setSource(DrawerWriter::DrawerPath(kFolder, "box"), true, true);
    return picker.run(result);
  }
  Subjects Picked(MailKind kind) {
    EXPECT_TRUE(Pick(kind));
    Subjects subjects;
    for (const auto& mail : result.mails) subjects.push_back(mail->subject);
    return subjects;
  }
  void Add(const std::string& subject, const std::string& header, const std::string& body = "text\r\n",
           const std::string& sender = "someone@example.jp") {
    writer.add(MailSpec{.sender = sender, .subject = subject, .header = header, .body = body});
  }
  void AddDated(const std::string& subject, const std::string& date) {
    writer.add(MailSpec{.subject = subject, .date = date, .header = "X-Kurumin-Message: 2\r\n", .body = "x\r\n"});
  }

  MemoryDisk files;
  DrawerWriter writer;
  PickupSettings pickup;
  MailList result;

 private:
  LocalClockFunction previous_;
};

TEST_F(MailPickerTest, KindNumberOfTheHeaderDecidesDiaryAndPetMail) {
  Add("pet", "From: p\r\nX-Kurumin-Message: 2\r\n");
  Add("diary by number", "X-Kurumin-Message: 1\r\nContent-Type: text/plain\r\n");
  Add("signed number", "X-Kurumin-Message: +2\r\n");
  Add("not a number", "X-Kurumin-Message: 2x\r\n");
  Add("trailing blank", "X-Kurumin-Message: 2 \r\n");
  Add("second line wins", "X-Kurumin-Message: 2x\r\nSubject: s\r\nX-Kurumin-Message: 2\r\n");
  Add("first number wins", "X-Kurumin-Message: 1\r\nX-Kurumin-Message: 2\r\n");
  Add("empty value", "X-Kurumin-Message: \r\n");  // not longer than the name and ": "
  Add("other case", "x-kurumin-message: 2\r\n");
  Add("plain", "From: nobody\r\n");

  EXPECT_EQ(Picked(kPetMailKind), (Subjects{"pet", "signed number", "second line wins"}));
  EXPECT_EQ(Picked(kDiaryKind), (Subjects{"diary by number", "first number wins"}));
  EXPECT_TRUE(Picked(0).empty());
  EXPECT_TRUE(Picked(4).empty());
  EXPECT_TRUE(Picked(-1).empty());
}

TEST_F(MailPickerTest, DiaryPageIsKnownByItsExactContentTypeAndSubject) {
  Add(DiarySubject(), "From: x\r\n" + kDiaryType);
  Add("other subject", kDiaryType);
  Add(DiarySubject(), "Content-Type: multipart/mixed; boundary=\"***other***\"\r\n");
  Add(DiarySubject(), "Content-Type: multipart/mixed;  boundary=\"***kiritorisen***\"\r\n");
  Add(DiarySubject(), "Content-Type: multipart/mixed;\r\n boundary=\"***kiritorisen***\"\r\n");  // folded
  Add(DiarySubject(), "Content-Type: text/plain\r\n" + kDiaryType);  // the first one counts
  writer.add(MailSpec{.subject = "numbered", .header = "X-Kurumin-Message: 2\r\n" + kDiaryType, .body = "x"});
  writer.add(MailSpec{.subject = DiarySubject(), .header = "X-Kurumin-Message: 2\r\n" + kDiaryType, .body = "y"});

  ASSERT_EQ(Picked(kDiaryKind).size(), 1u);
  EXPECT_EQ(result.mails[0]->bodyLines.toVector(), (std::vector<std::string>{"text"}));
  // The diary page without number is no pet mail; mails with number 2 stay pet mail.
  EXPECT_EQ(Picked(kPetMailKind), (Subjects{"numbered", DiarySubject()}));
}

TEST_F(MailPickerTest, EventMailNeedsTheParkSenderAndTheEventMailer) {
  Add("event", "X-Kurumin-Message: 2\r\n" + kEventMailer, "text\r\n", kEventFrom);
  Add("mailer only", kEventMailer, "text\r\n", "friend@example.jp");
  Add("sender only", "X-Mailer: Some Mailer\r\n", "text\r\n", kEventFrom);
  Add("sender without mailer", "From: park\r\n", "text\r\n", "event@park.kurumin.ne.jp");
  Add("mailer spelt otherwise", "X-Mailer: kurumin for event server\r\n", "text\r\n", kEventFrom);

  EXPECT_EQ(Picked(kEventMailKind), (Subjects{"event"}));
  // The event mail carrying number 2 is a pet mail as well.
  EXPECT_EQ(Picked(kPetMailKind), (Subjects{"event"}));
}

TEST_F(MailPickerTest, PetNameMustBeTheWholeLastLineAfterADashLine) {
  const std::string pet = "X-Kurumin-Message: 2\r\n";
  Add("signed", pet, "hello\r\n-----\r\nPochi\r\n");
  Add("long rule", pet, "hello\r\n------------\r\nPochi\r\n");
  Add("rule with text", pet, "hello\r\n-----from your pet-----\r\nPochi");
  Add("four dashes", pet, "hello\r\n----\r\nPochi\r\n");
  Add("indented rule", pet, "hello\r\n -----\r\nPochi\r\n");
  Add("trailing blank", pet, "hello\r\n-----\r\nPochi \r\n");
  Add("other case", pet, "hello\r\n-----\r\npochi\r\n");
  Add("one line", pet, "Pochi\r\n");
  Add("empty body", pet, "");
  Add("event", kEventMailer, "hello\r\n-----\r\nTama\r\n", kEventFrom);

  // Without the pet-name test every pet mail is taken.
  EXPECT_EQ(Picked(kPetMailKind).size(), 9u);

  pickup.SetPetName1("Pochi");
  pickup.SetUsePetName(true);
  EXPECT_EQ(Picked(kPetMailKind), (Subjects{"signed", "long rule", "rule with text"}));
  // Event mail passes whatever name is asked for.
  EXPECT_EQ(Picked(kEventMailKind), (Subjects{"event"}));

  // An empty name (only possible from the store) takes the unsigned mails.
  pickup.SetPetName1("");
  EXPECT_EQ(Picked(kPetMailKind), (Subjects{"four dashes", "indented rule", "one line", "empty body"}));
}

TEST_F(MailPickerTest, DateRangeIncludesBothWholeDays) {
  AddDated("before", "Mon, 3 Jan 2000 23:59:59 +0900");
  AddDated("first second", "Tue, 4 Jan 2000 00:00:00 +0900");
  AddDated("last second", "Wed, 5 Jan 2000 23:59:59 +0900");
  AddDated("after", "Thu, 6 Jan 2000 00:00:00 +0900");
  AddDated("last second in UTC", "Wed, 5 Jan 2000 14:59:59 +0000");  // 23:59:59 in UTC+9
  pickup.SetBeginDate(DateTime::Make(2000, 1, 4));
  pickup.SetEndDate(DateTime::Make(2000, 1, 5));
  pickup.SetEnables(true, true);
  pickup.SetSortDir(true);
  EXPECT_EQ(Picked(kPetMailKind), (Subjects{"first second", "last second", "last second in UTC"}));
}

TEST_F(MailPickerTest, MailOutsideTheRangeIsNeverReadFromTheDrawer) {
  // Its header range is damaged (the body begins before the header): reading it would fail.
  writer.add(MailSpec{.subject = "old and damaged", .date = "Sat, 1 Jan 1994 10:00:00 +0900",
                      .header = "X-Kurumin-Message: 2\r\n", .body = "x", .headerOffset = 5000, .bodyOffset = 10});
  AddDated("recent", "Tue, 4 Jan 2000 10:00:00 +0900");
  EXPECT_FALSE(Pick(kPetMailKind));  // in range, the damage fails the run

  pickup.SetBeginDate(DateTime::Make(1999, 1, 1));
  pickup.SetEnables(true, false);
  EXPECT_EQ(Picked(kPetMailKind), (Subjects{"recent"}));
  EXPECT_TRUE(result.sorted);
}

TEST_F(MailPickerTest, SortsByDateInTheChosenDirectionAndMarksTheList) {
  AddDated("middle", "Tue, 4 Jan 2000 10:00:00 +0900");
  AddDated("newest", "Tue, 4 Jan 2000 10:00:01 +0900");
  AddDated("oldest", "Fri, 31 Dec 1999 23:00:00 +0900");
  AddDated("unreadable date", "yesterday");  // 1990-01-01 09:00:00

  pickup.SetSortDir(false);
  EXPECT_EQ(Picked(kPetMailKind), (Subjects{"newest", "middle", "oldest", "unreadable date"}));
  EXPECT_TRUE(result.sorted);
  EXPECT_FALSE(result.ascending);

  pickup.SetSortDir(true);
  EXPECT_EQ(Picked(kPetMailKind), (Subjects{"unreadable date", "oldest", "middle", "newest"}));
  EXPECT_TRUE(result.sorted);
  EXPECT_TRUE(result.ascending);
}

TEST_F(MailPickerTest, FailedReadLeavesTheListUnsorted) {
  AddDated("newer", "Wed, 5 Jan 2000 10:00:00 +0900");
  AddDated("older", "Tue, 4 Jan 2000 10:00:00 +0900");
  writer.add(MailSpec{.subject = "damaged", .header = "X-Kurumin-Message: 2\r\n", .body = "x", .headerOffset = 900,
                      .bodyOffset = 3});
  pickup.SetSortDir(true);
  EXPECT_FALSE(Pick(kPetMailKind));
  ASSERT_EQ(result.mails.size(), 2u);
  EXPECT_EQ(result.mails[0]->subject, "newer");  // still in the order of the list
  EXPECT_FALSE(result.sorted);
  EXPECT_TRUE(result.ascending);
}

// What a page shows stays; the texts that only picking needed are given back.
TEST_F(MailPickerTest, KeptMailsCarryTheirKindAndBodyButNoHeaderLines) {
  writer.add(MailSpec{.subject = "pet", .date = "Tue, 4 Jan 2000 10:00:00 +0900",
                      .header = "X-Kurumin-Message: 2\r\nContent-Type: text/plain; charset=iso-2022-jp\r\n",
                      .body = "a\r\n\r\nb\r\n"});
  ASSERT_EQ(Picked(kPetMailKind).size(), 1u);
  const auto& mail = static_cast<const PetMailRecord&>(*result.mails[0]);
  EXPECT_EQ(mail.kindCode, 2);
  EXPECT_EQ(mail.subject, "pet");
  EXPECT_EQ(mail.date.day(), 4);
  EXPECT_TRUE(mail.contentType.empty());
  EXPECT_TRUE(mail.dateText().empty());
  EXPECT_TRUE(mail.sender().empty());
  EXPECT_FALSE(mail.fromEventSender);
  EXPECT_TRUE(mail.headerLines.empty());
  EXPECT_EQ(mail.bodyLines.toVector(), (std::vector<std::string>{"a", "", "b"}));
}

TEST_F(MailPickerTest, ReadsTheListFileBesideTheDrawer) {
  Add("pet", "X-Kurumin-Message: 2\r\n");
  ASSERT_TRUE(writer.write(kFolder, LoadText(IDS_RECEIVED_MAIL), files));
  MailPicker picker(pickup.Filter(), kPetMailKind, files);
  picker.setSource(drawerPath(kFolder, LoadText(IDS_RECEIVED_MAIL)), true, true);
  EXPECT_TRUE(picker.run(result));
  EXPECT_EQ(picker.listPath(), DrawerWriter::ListPath(kFolder, LoadText(IDS_RECEIVED_MAIL)));
  EXPECT_EQ(result.mails.size(), 1u);

  // Without its list file the drawer cannot be read.
  files.removeFile(picker.listPath());
  MailPicker missing(pickup.Filter(), kPetMailKind, files);
  missing.setSource(drawerPath(kFolder, LoadText(IDS_RECEIVED_MAIL)), true, true);
  MailList none;
  EXPECT_FALSE(missing.run(none));
}

}  // namespace
}  // namespace mogura
