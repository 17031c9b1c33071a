// One mail as indexed by a drawer's list file. The byte layout is in docs/drawer-format.md.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"
#include "base/text_lines.h"

namespace mogura {

class ListCursor;

class MailRecord {
 public:
  virtual ~MailRecord() = default;
  // Reads one index record at the cursor. False when there is none or it is damaged
  // (cut off, wrong marker or version, length outside 1..65535, a number or text running
  // past the payload): the list ends there, and the fields are then unspecified.
  // A derived record that reads more calls this first.
  virtual bool read(ListCursor& list);

  char version = '0';
  std::uint32_t payloadLength = 0;
  std::uint32_t headerOffset = 0;
  std::uint32_t bodyOffset = 0;
  std::uint32_t bodyLength = 0;
  std::uint32_t fourthNumber = 0;
  std::string subject;
  std::uint8_t firstFlag = 0;
  std::uint8_t secondFlag = 0;

  // The other texts of the list record, which only deciding on a mail needs: views of the
  // record's copy of its payload, empty once releaseListTexts() gave that back.
  std::string_view sender() const { return text(sender_); }
  std::string_view secondText() const { return text(secondText_); }
  std::string_view thirdText() const { return text(thirdText_); }
  std::string_view dateText() const { return text(dateText_); }
  std::string_view extraText1() const { return text(extraText1_); }
  std::string_view extraText2() const { return text(extraText2_); }
  void releaseListTexts();

  // The date of the mail in UTC+9; always valid after read().
  DateTime date;
  // Working list filled (and possibly cleared) by the header hook.
  TextLines headerLines;
  // The body as lines without line ends: what pages show.
  TextLines bodyLines;

 private:
  // Where a text lies in the payload, which is at most 65535 bytes long.
  struct TextSpan {
    std::uint16_t at = 0, size = 0;
  };
  std::string_view text(TextSpan span) const { return std::string_view(payload_).substr(span.at, span.size); }
  TextSpan spanOf(std::string_view text) const;

  std::string payload_;
  TextSpan sender_, secondText_, thirdText_, dateText_, extraText1_, extraText2_;
};

}  // namespace mogura
