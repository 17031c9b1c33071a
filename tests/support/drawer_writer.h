// Test support: writes a drawer (drawer file + list file) byte for byte in the host mail
// program's format, described in docs/drawer-format.md. Every field can be set, including
// wrong markers, lengths and offsets and unterminated texts, for damage tests.
//
//   DrawerWriter w;
//   w.add(MailSpec{.subject = "hello", .date = "Tue, 4 Jan 2000 23:30:00 +0900",
//                  .header = "X-Kurumin-Message: 2\r\n", .body = "line 1\r\nline 2\r\n"});
//   ASSERT_TRUE(w.write(folder, LoadText(IDS_RECEIVED_MAIL)));  // 受信メール.krm + 受信リスト.krl
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace mogura::test {

// One mail. Designated initializers must follow the order of the fields; every field may be
// left out.
struct MailSpec {
  // The texts of the index record (CP932 bytes, written with a NUL after each).
  std::string sender = "sender@example.jp";
  std::string subject{};
  std::string date = "Tue, 4 Jan 2000 23:30:00 +0900";
  // The mail text in the drawer file: the header bytes, then directly the body bytes.
  std::string header = "From: sender@example.jp\r\n";
  std::string body{};
  // '0' or '1'; version 1 records carry the second flag byte and the extra text.
  char version = '1';
  std::string secondText{};
  std::string thirdText{};
  std::uint32_t fourthNumber = 0;
  std::uint8_t firstFlag = 0;
  std::uint8_t secondFlag = 0;
  // Version 1 only: written as it is; a 0x01 byte in it separates the two extra texts.
  std::string extraText{};

  // Offsets and length written into the record; by default where add() put the header and
  // body in the drawer file.
  std::optional<std::uint32_t> headerOffset{};
  std::optional<std::uint32_t> bodyOffset{};
  std::optional<std::uint32_t> bodyLength{};

  // Damage. The payload is encoded from the fields above unless `payload` replaces it;
  // `payloadTail` is appended to it (bytes after the last field).
  std::optional<std::string> payload{};
  std::string payloadTail{};
  std::optional<std::uint32_t> payloadLength{};  // the length field; default: the payload's size
  std::string startMarker = "SsS";
  std::optional<char> startVersion{};  // default: version
  std::string endMarker = "EeE";
  std::optional<char> endVersion{};  // default: version
};

class DrawerWriter {
 public:
  // Appends the mail's header and body to the drawer bytes and its index record to the list
  // bytes. Returns the index of the record.
  std::size_t add(const MailSpec& mail);

  // The payload of `mail` with the given offsets and length, as add() encodes it.
  static std::string EncodePayload(const MailSpec& mail, std::uint32_t headerOffset, std::uint32_t bodyOffset,
                                   std::uint32_t bodyLength);
  // A whole index record framed around `payload`, honouring the marker and length fields.
  static std::string EncodeRecord(const MailSpec& mail, const std::string& payload);

  // The bytes written so far; change them freely to damage the files.
  std::string& listBytes() { return list_; }
  std::string& drawerBytes() { return drawer_; }
  const std::string& listBytes() const { return list_; }
  const std::string& drawerBytes() const { return drawer_; }
  // Where each record starts in the list bytes.
  std::size_t recordOffset(std::size_t index) const { return recordOffsets_.at(index); }

  // `folder` (ending in a separator) + title + ".krm".
  static std::string DrawerPath(const std::string& folder, std::string_view title);
  // The list file the host program keeps beside that drawer ("受信メール" -> "受信リスト.krl",
  // any other title T -> "Tリスト.krl").
  static std::string ListPath(const std::string& folder, std::string_view title);

  // Writes both files of the drawer `title` into `folder`.
  bool write(const std::string& folder, std::string_view title, FileSystem& files = HostFileSystem()) const;
  bool writeList(const std::string& path, FileSystem& files = HostFileSystem()) const;
  bool writeDrawer(const std::string& path, FileSystem& files = HostFileSystem()) const;

 private:
  std::string list_;
  std::string drawer_;
  std::vector<std::size_t> recordOffsets_;
};

// Writes `bytes` as the whole file `path`.
bool WriteBytes(FileSystem& files, const std::string& path, std::string_view bytes);

}  // namespace mogura::test
