// A mail of the host program with what decides its kind: the kind number of its header, its
// content type, and whether the park's event server sent it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "mailstore/mail_kind.h"
#include "mailstore/mail_record.h"

namespace mogura {

// The sender address of the park's event server, looked for anywhere in a record's sender.
inline constexpr std::string_view kParkEventSender = "event@park.kurumin.ne.jp";

class PetMailRecord : public MailRecord {
 public:
  // The index record, then whether the sender text holds the park event sender address.
  bool read(ListCursor& list) override;

  // Applies the header rules to one header line: the first whole-number "X-Kurumin-Message"
  // sets kindCode, the first "Content-Type" sets contentType, and for mail of the event
  // sender an "X-Mailer" naming the event server marks it as event mail.
  void applyHeaderLine(std::string_view line);
  // A mail without a kind number whose content type and subject are those of a diary page
  // becomes one.
  void applyDiaryRule(std::string_view diarySubject);

  bool matchesKind(MailKind wanted) const;
  // The pet's signature: the last body line when the line before it begins with "-----";
  // else empty.
  std::string signatureName() const;
  // Gives back the texts that only deciding the kind needed (the sender, the date text, the
  // content type and the list texts no page shows), once the mail is kept: a run may keep
  // 100,000 mails. The subject, the date, the body and the kind fields stay.
  void dropPickingTexts();

  std::int32_t kindCode = 0;
  std::string contentType;
  bool fromEventSender = false;
  bool eventMail = false;
};

}  // namespace mogura
