// Mutated lists and drawers: whatever the bytes, reading ends, keeps within the files and
// never asks for more memory than the files hold. Deterministic, so a failure repeats.
#include <gtest/gtest.h>

#include <algorithm>

#include "mailstore/drawer_reader.h"
#include "mailstore/mail_date.h"
#include "support/memory_disk.h"
#include "support/drawer_writer.h"

namespace mogura {
namespace {

using test::DrawerWriter;
using test::MailSpec;
using test::MemoryDisk;

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<std::uint32_t>(state_);
  }
  std::size_t below(std::size_t n) { return n == 0 ? 0 : next() % n; }

 private:
  std::uint64_t state_;
};

// One of several damages: flipped bytes, a cut, inserted bytes, or a wild 32-bit number.
void Mutate(std::string& bytes, Random& random) {
  const int damages = 1 + static_cast<int>(random.below(4));
  for (int i = 0; i < damages; ++i) {
    switch (random.below(4)) {
      case 0:
        if (!bytes.empty()) bytes[random.below(bytes.size())] = static_cast<char>(random.next());
        break;
      case 1:
        bytes.resize(random.below(bytes.size() + 1));
        break;
      case 2:
        bytes.insert(random.below(bytes.size() + 1), random.below(8) + 1, static_cast<char>(random.next()));
        break;
      default:
        if (bytes.size() >= 4) {
          const std::size_t at = random.below(bytes.size() - 3);
          const std::uint32_t v = random.below(2) ? 0xFFFFFFFFu - random.below(16) : random.next();
          for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>(v >> (8 * k));
        }
    }
  }
}

TEST(DrawerFuzz, MutatedListsAndDrawersNeverCrashOrOverAllocate) {
  DrawerWriter writer;
  writer.add(MailSpec{.subject = "a", .header = "X-Kurumin-Message: 1\r\n", .body = "one\r\n"});
  writer.add(MailSpec{
      .subject = "b", .date = "5 Feb 2001 01:02:03 -0500", .header = "H\r\n", .body = "two", .version = '0'});
  writer.add(MailSpec{.subject = "c", .header = "", .body = "three\r\n\r\n", .extraText = "x\x01y"});
  Random random(20000104);
  for (int round = 0; round < 3000; ++round) {
    MemoryDisk files;
    std::string list = writer.listBytes();
    std::string drawer = writer.drawerBytes();
    Mutate(random.below(4) ? list : drawer, random);
    files.addFile("l", list);
    files.addFile("d", drawer);
    DrawerReader reader("l", files);
    reader.setSource("d", random.below(2) != 0, random.below(2) != 0);
    MailList result;
    const bool ok = reader.run(result);
    // Nothing in memory fails to read, so only a backwards header range can fail the run.
    if (!ok) {
      EXPECT_TRUE(reader.wantHeader()) << round;
    }
    // A record is at least 12 bytes of frame plus a payload of at least 1 byte.
    EXPECT_LE(result.mails.size(), list.size() / 13) << round;
    EXPECT_LE(files.largestRequest, std::max<std::size_t>({list.size(), drawer.size(), 1})) << round;
    for (const auto& mail : result.mails) {
      EXPECT_TRUE(mail->date.valid()) << round;
      EXPECT_TRUE(mail->version == '0' || mail->version == '1') << round;
      EXPECT_GE(mail->payloadLength, 1u);
      EXPECT_LE(mail->payloadLength, 65535u);
    }
  }
}

TEST(DrawerFuzz, AnyDateTextGivesAValidDate) {
  Random random(7);
  const std::string seed = "Tue, 4 Jan 2000 23:30:00 +0900";
  for (int round = 0; round < 5000; ++round) {
    std::string text = seed;
    Mutate(text, random);
    EXPECT_TRUE(ParseMailDate(text).valid()) << text;
  }
}

}  // namespace
}  // namespace mogura
