// The ordered result of one drawer read; divided pages hold their mails as a MailList too.
#pragma once

#include <memory>
#include <vector>

#include "mailstore/mail_record.h"

namespace mogura {

using MailHandle = std::shared_ptr<MailRecord>;

struct MailList {
  std::vector<MailHandle> mails;
  // True once the reader has put the mails in their final order.
  bool sorted = false;
  // After sorting: true oldest first, false newest first.
  bool ascending = true;
};

}  // namespace mogura
