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
  std::string payload;
  if (!list.ReadBytes(payloadLength, &payload)) return false;
  if (!list.ReadBytes(4, &marker)) return false;
  if (std::string_view(marker).substr(0, 3) != kEndMarker || marker[3] != version) return false;

  // Payload fields: every number and every text must lie wholly inside the payload.
  ListCursor fields(payload);
  if (!fields.ReadU32LE(&headerOffset) || !fields.ReadU32LE(&bodyOffset) || !fields.ReadU32LE(&bodyLength) ||
      !fields.ReadU32LE(&fourthNumber) || !fields.ReadCString(&sender) || !fields.ReadCString(&secondText) ||
      !fields.ReadCString(&thirdText) || !fields.ReadCString(&subject) || !fields.ReadCString(&dateText) ||
      !fields.ReadU8(&firstFlag))
    return false;
  secondFlag = 0;
  extraText1.clear();
  extraText2.clear();
  if (version == '1') {
    std::string extra;
    if (!fields.ReadU8(&secondFlag) || !fields.ReadCString(&extra)) return false;
    // 0x01 is never part of a double-byte character.
    const std::size_t split = extra.find(kExtraSeparator);
    if (split == std::string::npos) {
      extraText1 = std::move(extra);
    } else {
      extraText1 = extra.substr(0, split);
      extraText2 = extra.substr(split + 1);
    }
  }
  // Bytes after the last field are ignored.
  date = ParseMailDate(dateText);
  return true;
}

}  // namespace mogura
