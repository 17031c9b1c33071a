// One mail as indexed by a drawer's list file. The byte layout is in docs/drawer-format.md.
#pragma once

#include <cstdint>
#include <string>
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
  std::string sender;
  std::string secondText;
  std::string thirdText;
  std::string subject;
  std::string dateText;
  std::uint8_t firstFlag = 0;
  std::uint8_t secondFlag = 0;
  std::string extraText1;
  std::string extraText2;

  // The date of the mail in UTC+9; always valid after read().
  DateTime date;
  // Working list filled (and possibly cleared) by the header hook.
  TextLines headerLines;
  // The body as lines without line ends: what pages show.
  TextLines bodyLines;
};

}  // namespace mogura
