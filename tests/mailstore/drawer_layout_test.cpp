// Drawers whose texts do not lie in list order: read in file order, delivered in list order.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "mailstore/drawer_reader.h"
#include "mailstore/drawer_spans.h"
#include "support/memory_disk.h"
#include "support/drawer_writer.h"

namespace mogura {
namespace {

using test::DrawerWriter;
using test::MailSpec;
using test::MemoryDisk;

const std::string kList = "/in/list.krl";
const std::string kDrawer = "/in/drawer.krm";

MailSpec Mail(int i) {
  const std::string n = std::to_string(i);
  return MailSpec{.subject = "m" + n,
                  .header = "X-Number: " + n + "\r\n\r\n",
                  .body = "line " + n + "\r\n" + std::string(static_cast<std::size_t>(i % 7) * 40, 'x') + "\r\n"};
}

// The drawer of `mails` (in list order) whose texts lie in the file in `fileOrder`, each
// followed by `gap` unused bytes. Returns the bytes of all header and body ranges.
std::uint64_t LayOut(const std::vector<MailSpec>& mails, const std::vector<std::size_t>& fileOrder, std::size_t gap,
                     MemoryDisk* files) {
  std::string drawer;
  std::vector<std::uint32_t> at(mails.size());
  for (std::size_t i : fileOrder) {
    at[i] = static_cast<std::uint32_t>(drawer.size());
    drawer += mails[i].header + mails[i].body + std::string(gap, '\xFF');
  }
  DrawerWriter writer;
  std::uint64_t needed = 0;
  for (std::size_t i = 0; i < mails.size(); ++i) {
    MailSpec record = mails[i];
    record.headerOffset = at[i];
    record.bodyOffset = static_cast<std::uint32_t>(at[i] + record.header.size());
    record.bodyLength = static_cast<std::uint32_t>(record.body.size());
    needed += record.header.size() + record.body.size();
    record.header.clear();
    record.body.clear();
    writer.add(record);
  }
  files->addFile(kList, writer.listBytes());
  files->addFile(kDrawer, drawer);
  return needed;
}

struct Outcome {
  bool ok = false;
  std::vector<std::string> subjects;
  std::vector<std::vector<std::string>> bodies, headers;
};

Outcome Read(MemoryDisk& files) {
  DrawerReader reader(kList, files);
  reader.setSource(kDrawer, true, true);
  MailList result;
  Outcome outcome;
  outcome.ok = reader.run(result);
  for (const MailHandle& mail : result.mails) {
    outcome.subjects.push_back(mail->subject);
    outcome.headers.push_back(mail->headerLines.toVector());
    outcome.bodies.push_back(mail->bodyLines.toVector());
  }
  return outcome;
}

TEST(DrawerLayout, AnyLayoutGivesTheMailsOfTheListOrderAndReadsEachByteOnce) {
  std::vector<MailSpec> mails;
  for (int i = 0; i < 3000; ++i) mails.push_back(Mail(i));
  std::vector<std::size_t> order(mails.size());
  std::iota(order.begin(), order.end(), 0);

  MemoryDisk inOrder;
  LayOut(mails, order, 0, &inOrder);
  const Outcome expected = Read(inOrder);
  ASSERT_TRUE(expected.ok);
  ASSERT_EQ(expected.subjects.size(), mails.size());
  EXPECT_EQ(expected.subjects[2999], "m2999");
  EXPECT_EQ(expected.bodies[8], (std::vector<std::string>{"line 8", std::string(40, 'x')}));

  std::vector<std::size_t> reversed(order.rbegin(), order.rend());
  std::vector<std::size_t> shuffled = order;
  std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
  struct Layout {
    const char* name;
    const std::vector<std::size_t>& order;
    std::size_t gap;
  };
  for (const Layout& layout : {Layout{"reversed", reversed, 0}, Layout{"shuffled", shuffled, 0},
                               Layout{"gaps", order, 3000}, Layout{"small gaps", shuffled, 5}}) {
    SCOPED_TRACE(layout.name);
    MemoryDisk files;
    const std::uint64_t needed = LayOut(mails, layout.order, layout.gap, &files);
    const Outcome got = Read(files);
    EXPECT_TRUE(got.ok);
    EXPECT_EQ(got.subjects, expected.subjects);
    EXPECT_EQ(got.headers, expected.headers);
    EXPECT_EQ(got.bodies, expected.bodies);
    const std::uint64_t fromDrawer = files.bytesRead - files.bytesOf(kList).size();
    EXPECT_GE(fromDrawer, needed);
    EXPECT_LE(fromDrawer, needed + needed / 16);
    EXPECT_LE(files.largestRequest, 1024u * 1024u);
  }
}

TEST(DrawerLayout, AFailedMailDropsTheMailsAfterItInTheListThoughReadBefore) {
  std::vector<MailSpec> mails{Mail(0), Mail(1), Mail(2), Mail(3)};
  MemoryDisk files;
  // In the file: m0, m3, m2, m1; only m1, the last, cannot be read.
  LayOut(mails, {0, 3, 2, 1}, 0, &files);
  const std::string drawer = files.bytesOf(kDrawer);
  files.node(kDrawer)->readsFailFrom = drawer.find("X-Number: 1");
  const Outcome got = Read(files);
  EXPECT_FALSE(got.ok);
  EXPECT_EQ(got.subjects, (std::vector<std::string>{"m0"}));
}

// The read plan itself.
class SpanReading : public ::testing::Test {
 protected:
  SpanReading() { files.addFile("d", Digits(10000)); }
  static std::string Digits(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += static_cast<char>('0' + i % 10);
    return s;
  }
  // Reads the spans; returns "mail:bytes" (or "mail:failed") in the order visited.
  std::vector<std::string> Visit(std::vector<DrawerSpan> spans, std::size_t maxBlock = 1000) {
    auto file = files.openRead("d");
    std::vector<std::string> seen;
    ReadSpansInFileOrder(
        file.get(), std::move(spans),
        [&](const DrawerSpan& span, std::string_view bytes, bool ok) {
          seen.push_back(std::to_string(span.mail) + ":" + (ok ? std::string(bytes) : "failed"));
        },
        maxBlock);
    return seen;
  }
  MemoryDisk files;
};

TEST_F(SpanReading, NearSpansShareOneReadAndFarOnesDoNot) {
  // 0..100 and 103..200 join (a gap of 3); 900..950 lies too far.
  const auto seen = Visit({{900, 950, 2}, {103, 200, 1}, {0, 100, 0}});
  const std::string d = Digits(1000);
  EXPECT_EQ(seen, (std::vector<std::string>{"0:" + d.substr(0, 100), "1:" + d.substr(103, 97),
                                            "2:" + d.substr(900, 50)}));
  EXPECT_EQ(files.bytesRead, 200u + 50u);
  EXPECT_EQ(files.largestRequest, 200u);
}

TEST_F(SpanReading, BlocksStayWithinTheirSizeAndOverlapsAreServedFromThem) {
  std::vector<DrawerSpan> spans;
  for (std::size_t i = 0; i < 50; ++i) spans.push_back({i * 100, i * 100 + 150, i});  // each overlaps the next
  spans.push_back({0, 5000, 50});                                                       // larger than a block
  const auto seen = Visit(spans, 1000);
  ASSERT_EQ(seen.size(), 51u);
  EXPECT_EQ(seen[0], "0:" + Digits(150));  // ties keep their given order
  EXPECT_TRUE(seen[1] == "50:" + Digits(5000));
  EXPECT_EQ(seen[50], "49:" + Digits(5050).substr(4900));
  EXPECT_EQ(files.largestRequest, 5000u);
  EXPECT_LE(files.bytesRead, 5000u + 5050u + 10u * 50u);
}

TEST_F(SpanReading, AnErrorFailsOnlyTheSpansWhoseBytesItHolds) {
  files.node("d")->readsFailFrom = 500;
  const auto seen = Visit({{100, 150, 0}, {450, 520, 1}, {600, 610, 2}, {160, 170, 3}});
  EXPECT_EQ(seen, (std::vector<std::string>{"0:" + Digits(150).substr(100), "3:" + Digits(170).substr(160),
                                            "1:failed", "2:failed"}));
  // No file: every span fails; empty spans are not read at all.
  std::vector<std::string> none;
  ReadSpansInFileOrder(nullptr, {{0, 0, 0}, {0, 1, 1}},
                       [&](const DrawerSpan& span, std::string_view, bool ok) {
                         none.push_back(std::to_string(span.mail) + (ok ? "ok" : "failed"));
                       });
  EXPECT_EQ(none, (std::vector<std::string>{"0failed", "1failed"}));
}

TEST_F(SpanReading, AFileThatShrankGivesTheBytesStillThere) {
  files.node("d")->bytes->resize(120);  // it still claims 10000 bytes
  files.node("d")->claimedSize = 10000;
  const auto seen = Visit({{100, 150, 0}, {140, 160, 1}, {300, 400, 2}});
  EXPECT_EQ(seen, (std::vector<std::string>{"0:" + Digits(120).substr(100), "1:", "2:"}));
}

}  // namespace
}  // namespace mogura
