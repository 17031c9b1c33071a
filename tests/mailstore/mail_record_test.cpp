// The index record: framing, payload fields, and every way a record can be damaged.
#include "mailstore/mail_record.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "mailstore/list_cursor.h"
#include "mailstore/mail_date.h"
#include "support/memory_disk.h"
#include "support/drawer_writer.h"

namespace mogura {
namespace {

using test::DrawerWriter;
using test::MailSpec;

// Reads records from `list` until one fails; returns those read.
std::vector<MailRecord> ReadAll(const std::string& list) {
  ListCursor cursor(list);
  std::vector<MailRecord> records;
  for (;;) {
    MailRecord r;
    if (!r.read(cursor)) break;
    records.push_back(std::move(r));
  }
  return records;
}

std::string OneRecord(const MailSpec& mail) {
  DrawerWriter w;
  w.add(mail);
  return w.listBytes();
}

TEST(ListCursor, ReadsLittleEndianAndConsumesNothingOnFailure) {
  const std::string bytes("\x78\x56\x34\x12\xFF\x01\x02", 7);
  ListCursor c(bytes);
  std::uint32_t v = 0;
  ASSERT_TRUE(c.ReadU32LE(&v));
  EXPECT_EQ(v, 0x12345678u);
  EXPECT_FALSE(c.ReadU32LE(&v));  // only 3 bytes left
  EXPECT_EQ(c.position(), 4u);
  std::string s;
  EXPECT_FALSE(c.ReadBytes(4, &s));
  EXPECT_FALSE(c.ReadCString(&s));  // no NUL before the end
  std::uint8_t b = 0;
  ASSERT_TRUE(c.ReadU8(&b));
  EXPECT_EQ(b, 0xFF);
  ASSERT_TRUE(c.ReadBytes(2, &s));
  EXPECT_EQ(s, "\x01\x02");
  EXPECT_TRUE(c.atEnd());
  EXPECT_FALSE(c.failed());
}

TEST(ListCursor, TextMustEndWithinItsLimit) {
  const std::string bytes("abc\0de\0", 7);
  ListCursor c(bytes);
  std::string s;
  EXPECT_FALSE(c.ReadCString(&s, 3));  // the NUL is the fourth byte
  ASSERT_TRUE(c.ReadCString(&s, 4));
  EXPECT_EQ(s, "abc");
  ASSERT_TRUE(c.ReadCString(&s));
  EXPECT_EQ(s, "de");
  EXPECT_TRUE(c.atEnd());
}

// A marked record's bytes must come out whole even when the cursor refilled its buffer from
// the file in the middle of the record, as the reader keeps them to read the record again.
TEST(ListCursor, MarkedRecordBytesSurviveRefillsOfTheBuffer) {
  // Large records cross the 64 KiB steps in which the cursor reads the file.
  const std::vector<std::size_t> sizes{1, 65000, 3, 64000, 40, 65400, 12};
  DrawerWriter writer;
  for (std::size_t size : sizes) writer.add(MailSpec{.subject = std::string(size, 's'), .body = "b"});
  const std::string& list = writer.listBytes();
  test::MemoryDisk files;
  files.addFile("/list", list);
  const std::unique_ptr<InputFile> file = files.openRead("/list");
  ListCursor cursor(*file);
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    cursor.markRecord();
    MailRecord record;
    ASSERT_TRUE(record.read(cursor)) << "record " << i;
    const std::size_t begin = writer.recordOffset(i);
    const std::size_t end = i + 1 < sizes.size() ? writer.recordOffset(i + 1) : list.size();
    ASSERT_EQ(cursor.recordBytes(), std::string_view(list).substr(begin, end - begin)) << "record " << i;
    // The kept bytes read as the same record again.
    ListCursor again(cursor.recordBytes());
    MailRecord copy;
    ASSERT_TRUE(copy.read(again));
    EXPECT_EQ(copy.subject.size(), sizes[i]);
  }
  EXPECT_TRUE(cursor.atEnd());
  EXPECT_EQ(files.bytesRead, list.size());  // marking keeps bytes, it never reads them twice
}

// The example record of docs/drawer-format.md, byte for byte: pins the writer and the reader
// to the documented layout rather than only to each other.
TEST(MailRecord, DocumentedExampleRecord) {
  const std::string example(
      "SsS0"
      "\x31\x00\x00\x00"
      "\x00\x00\x00\x00"
      "\x19\x00\x00\x00"
      "\x05\x00\x00\x00"
      "\x00\x00\x00\x00"
      "a\0"
      "\0"
      "\0"
      "s\0"
      "4 Jan 2000 12:00:00 +0900\0"
      "\x00"
      "EeE0",
      61);
  DrawerWriter w;
  w.add(MailSpec{.sender = "a",
                 .subject = "s",
                 .date = "4 Jan 2000 12:00:00 +0900",
                 .header = std::string(25, 'h'),
                 .body = "bbbbb",
                 .version = '0'});
  EXPECT_EQ(w.listBytes(), example);
  const auto r = ReadAll(example);
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].payloadLength, 49u);
  EXPECT_EQ(r[0].bodyOffset, 25u);
  EXPECT_EQ(r[0].bodyLength, 5u);
  EXPECT_EQ(r[0].date, DateTime::Make(2000, 1, 4, 12, 0, 0));
}

TEST(MailRecord, ReadsEveryFieldOfBothVersions) {
  DrawerWriter w;
  w.add(MailSpec{.sender = "pet@example.jp",
                 .subject = "S0",
                 .date = "4 Jan 2000 23:30:00 +0900",
                 .header = "H0\r\n",
                 .body = "B0",
                 .version = '0',
                 .secondText = "two",
                 .thirdText = "three",
                 .fourthNumber = 0xA1B2C3D4,
                 .firstFlag = 7,
                 .secondFlag = 9,
                 .extraText = "ignored in v0"});
  w.add(MailSpec{.subject = "S1",
                 .header = "HH1\r\n",
                 .body = "BB1",
                 .version = '1',
                 .firstFlag = 1,
                 .secondFlag = 2,
                 .extraText = "left\x01right\x01more"});
  w.add(MailSpec{.version = '1', .extraText = "no separator"});
  const auto r = ReadAll(w.listBytes());
  ASSERT_EQ(r.size(), 3u);

  EXPECT_EQ(r[0].version, '0');
  EXPECT_EQ(r[0].headerOffset, 0u);
  EXPECT_EQ(r[0].bodyOffset, 4u);
  EXPECT_EQ(r[0].bodyLength, 2u);
  EXPECT_EQ(r[0].fourthNumber, 0xA1B2C3D4u);
  EXPECT_EQ(r[0].sender(), "pet@example.jp");
  EXPECT_EQ(r[0].secondText(), "two");
  EXPECT_EQ(r[0].thirdText(), "three");
  EXPECT_EQ(r[0].subject, "S0");
  EXPECT_EQ(r[0].dateText(), "4 Jan 2000 23:30:00 +0900");
  EXPECT_EQ(r[0].date, DateTime::Make(2000, 1, 4, 23, 30, 0));
  EXPECT_EQ(r[0].firstFlag, 7);
  EXPECT_EQ(r[0].secondFlag, 0);  // version 0 has no second flag and no extra text
  EXPECT_EQ(r[0].extraText1(), "");
  EXPECT_EQ(r[0].extraText2(), "");
  EXPECT_EQ(r[0].payloadLength, w.recordOffset(1) - 12);  // a record is 12 bytes around its payload

  EXPECT_EQ(r[1].version, '1');
  EXPECT_EQ(r[1].headerOffset, 6u);
  EXPECT_EQ(r[1].bodyOffset, 11u);
  EXPECT_EQ(r[1].bodyLength, 3u);
  EXPECT_EQ(r[1].firstFlag, 1);
  EXPECT_EQ(r[1].secondFlag, 2);
  EXPECT_EQ(r[1].extraText1(), "left");  // split at the first 0x01 only
  EXPECT_EQ(r[1].extraText2(), "right\x01more");

  EXPECT_EQ(r[2].extraText1(), "no separator");
  EXPECT_EQ(r[2].extraText2(), "");
}

TEST(MailRecord, ListTextsSurviveCopiesAndGoBackWhenReleased) {
  // The texts are kept as places in the record's payload: a copy must find them in its own,
  // also for a text that reaches the end of the largest payload.
  MailSpec longest{.sender = "s", .subject = "subject", .date = "4 Jan 2000 23:30:00 +0900", .version = '1'};
  longest.extraText = "left\x01" + std::string(65535 - DrawerWriter::EncodePayload(longest, 0, 0, 0).size() - 5, 'r');
  const auto r = ReadAll(OneRecord(longest));
  ASSERT_EQ(r.size(), 1u);
  ASSERT_EQ(r[0].payloadLength, 65535u);

  auto original = std::make_unique<MailRecord>(r[0]);
  MailRecord copy = *original;
  original.reset();
  EXPECT_EQ(copy.sender(), "s");
  EXPECT_EQ(copy.dateText(), "4 Jan 2000 23:30:00 +0900");
  EXPECT_EQ(copy.extraText1(), "left");
  EXPECT_EQ(copy.extraText2(), longest.extraText.substr(5));

  copy.releaseListTexts();
  EXPECT_TRUE(copy.sender().empty() && copy.dateText().empty() && copy.extraText2().empty());
  // What pages show stays.
  EXPECT_EQ(copy.subject, "subject");
  EXPECT_EQ(copy.date, DateTime::Make(2000, 1, 4, 23, 30, 0));
}

TEST(MailRecord, PayloadLengthMustBeOneTo65535) {
  // A payload of exactly the largest size: the fields plus padding after them.
  MailSpec big{.subject = "big"};
  big.payloadTail.assign(65535 - DrawerWriter::EncodePayload(big, 0, 0, 0).size(), 'x');
  DrawerWriter w;
  w.add(big);
  ASSERT_EQ(ReadAll(w.listBytes()).size(), 1u);

  // One byte more ends the list, though the record is whole and well framed.
  MailSpec tooBig = big;
  tooBig.payloadTail += 'x';
  w.add(tooBig);
  w.add(MailSpec{.subject = "after"});
  EXPECT_EQ(ReadAll(w.listBytes()).size(), 1u);

  EXPECT_TRUE(ReadAll(OneRecord(MailSpec{.payload = "", .payloadLength = 0})).empty());
  EXPECT_TRUE(ReadAll(OneRecord(MailSpec{.payloadLength = 0xFFFFFFFF})).empty());
}

TEST(MailRecord, DamagedFramingEndsTheList) {
  EXPECT_TRUE(ReadAll(OneRecord(MailSpec{.startMarker = "SsT"})).empty());
  EXPECT_TRUE(ReadAll(OneRecord(MailSpec{.startMarker = "sSS"})).empty());
  EXPECT_TRUE(ReadAll(OneRecord(MailSpec{.startVersion = '2'})).empty());
  EXPECT_TRUE(ReadAll(OneRecord(MailSpec{.endMarker = "EeF"})).empty());
  EXPECT_TRUE(ReadAll(OneRecord(MailSpec{.version = '1', .endVersion = '0'})).empty());
  EXPECT_TRUE(ReadAll(OneRecord(MailSpec{.version = '2'})).empty());
  // The length field says more than the record holds: the end marker is not where expected.
  MailSpec longer;
  longer.payloadLength = static_cast<std::uint32_t>(DrawerWriter::EncodePayload(longer, 0, 0, 0).size() + 1);
  EXPECT_TRUE(ReadAll(OneRecord(longer) + "more bytes").empty());
}

TEST(MailRecord, RecordCutOffAtTheEndCountsAsTheEnd) {
  const std::string whole = OneRecord(MailSpec{.subject = "s"});
  for (std::size_t n = 0; n < whole.size(); ++n) EXPECT_TRUE(ReadAll(whole.substr(0, n)).empty()) << n;
  EXPECT_EQ(ReadAll(whole + whole.substr(0, whole.size() - 1)).size(), 1u);
}

TEST(MailRecord, FieldsMustLieInsideThePayload) {
  const MailSpec mail{.subject = "s", .version = '1', .extraText = "x"};
  const std::string payload = DrawerWriter::EncodePayload(mail, 1, 2, 3);
  // Every cut of the payload short of its end leaves a number or a text running past it; the
  // bytes after the payload (the end marker) must never be taken for the missing part.
  for (std::size_t n = 1; n < payload.size(); ++n) {
    MailSpec cut = mail;
    cut.payload = payload.substr(0, n);
    EXPECT_TRUE(ReadAll(OneRecord(cut)).empty()) << n;
  }
  MailSpec whole = mail;
  whole.payload = payload;
  EXPECT_EQ(ReadAll(OneRecord(whole)).size(), 1u);
}

TEST(MailRecord, BytesAfterTheLastFieldAreIgnored) {
  const auto r = ReadAll(OneRecord(MailSpec{.subject = "s", .version = '0', .payloadTail = "\x01\x02junk"}));
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].subject, "s");
}

TEST(MailRecord, UnreadableDateGivesTheFallbackDate) {
  const auto r = ReadAll(OneRecord(MailSpec{.date = "yesterday"}));
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].date, MailFallbackDate());
}

}  // namespace
}  // namespace mogura
