#include "mailstore/mail_record.h"

#include "mailstore/list_cursor.h"
#include "mailstore/mail_date.h"

namespace mogura {
namespace {

constexpr std::string_view kStartMarker = "SsS";
constexpr std::string_view kEndMarker = "EeE";
constexpr std::uint32_t kMaxPayload = 65535;
constexpr char kExtraSeparator = '\x01';

}  // namespace

bool MailRecord::read(ListCursor& list) {
  // Frame: "SsS" version, length, payload, "EeE" version. A record cut off at the end of the
  // list fails here like a damaged one: both end the list.
  std::string marker;
  if (!list.ReadBytes(4, &marker)) return false;
  if (std::string_view(marker).substr(0, 3) != kStartMarker || (marker[3] != '0' && marker[3] != '1'))
    return false;
  version = marker[3];
  if (!list.ReadU32LE(&payloadLength) || payloadLength < 1 || payloadLength > kMaxPayload) return false;
  if (!list.ReadBytes(payloadLength, &payload_)) return false;
  if (!list.ReadBytes(4, &marker)) return false;
  if (std::string_view(marker).substr(0, 3) != kEndMarker || marker[3] != version) return false;

  // Payload fields: every number and every text must lie wholly inside the payload. The texts
  // stay where they are; only the subject, which pages show, gets a copy of its own.
  ListCursor fields(payload_);
  std::string_view sender, secondText, thirdText, subjectText, dateText;
  if (!fields.ReadU32LE(&headerOffset) || !fields.ReadU32LE(&bodyOffset) || !fields.ReadU32LE(&bodyLength) ||
      !fields.ReadU32LE(&fourthNumber) || !fields.ReadCStringView(&sender) || !fields.ReadCStringView(&secondText) ||
      !fields.ReadCStringView(&thirdText) || !fields.ReadCStringView(&subjectText) ||
      !fields.ReadCStringView(&dateText) || !fields.ReadU8(&firstFlag))
    return false;
  sender_ = spanOf(sender);
  secondText_ = spanOf(secondText);
  thirdText_ = spanOf(thirdText);
  dateText_ = spanOf(dateText);
  subject.assign(subjectText);
  secondFlag = 0;
  extraText1_ = extraText2_ = TextSpan();
  if (version == '1') {
    std::string_view extra;
    if (!fields.ReadU8(&secondFlag) || !fields.ReadCStringView(&extra)) return false;
    // 0x01 is never part of a double-byte character.
    const std::size_t split = extra.find(kExtraSeparator);
    extraText1_ = spanOf(extra.substr(0, split));
    if (split != std::string_view::npos) extraText2_ = spanOf(extra.substr(split + 1));
  }
  // Bytes after the last field are ignored.
  date = ParseMailDate(dateText);
  return true;
}

void MailRecord::releaseListTexts() {
  std::string().swap(payload_);
  sender_ = secondText_ = thirdText_ = dateText_ = extraText1_ = extraText2_ = TextSpan();
}

MailRecord::TextSpan MailRecord::spanOf(std::string_view text) const {
  // `text` lies in the payload, whose length fits 16 bits.
  return {static_cast<std::uint16_t>(text.data() - payload_.data()), static_cast<std::uint16_t>(text.size())};
}

}  // namespace mogura
