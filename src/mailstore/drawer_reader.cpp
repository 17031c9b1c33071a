#include "mailstore/drawer_reader.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <vector>

#include "base/string_table.h"
#include "mailstore/drawer_spans.h"
#include "mailstore/list_cursor.h"
#include "mailstore/split_lines.h"

namespace mogura {
namespace {

constexpr std::string_view kDrawerExtension = ".krm";

}  // namespace

std::string ListPathForDrawer(std::string_view drawerPath) {
  // '.' is neither a lead nor a trail byte, so the match always starts a character.
  const std::size_t extension = drawerPath.rfind(kDrawerExtension);
  if (extension == std::string_view::npos) return {};
  std::string path(drawerPath.substr(0, extension));
  const std::string_view inbox = LoadText(IDS_RECEIVED_MAIL);
  if (path.size() >= inbox.size() && std::string_view(path).substr(path.size() - inbox.size()) == inbox)
    path.resize(path.size() - LoadText(IDS_MAIL).size());
  path += LoadText(IDS_LIST_FILE_SUFFIX);
  return path;
}

DrawerReader::DrawerReader(std::string listPath, FileSystem& files)
    : files_(files), listPath_(std::move(listPath)) {}

void DrawerReader::setSource(std::string drawerPath, bool wantHeader, bool wantBody) {
  drawerPath_ = std::move(drawerPath);
  wantHeader_ = wantHeader;
  wantBody_ = wantBody;
}

bool DrawerReader::acceptIndex(MailRecord&) { return true; }
bool DrawerReader::accept(MailRecord&) { return true; }

bool DrawerReader::handleHeader(std::string_view text, MailRecord& record) {
  splitLines(text, record.headerLines);
  return true;
}

bool DrawerReader::handleBody(std::string_view text, MailRecord& record) {
  splitLines(text, record.bodyLines);
  return true;
}

void DrawerReader::makeListPath() {}
void DrawerReader::finish(bool, MailList&) {}
MailHandle DrawerReader::createRecord() { return std::make_shared<MailRecord>(); }

bool DrawerReader::run(MailList& result) {
  makeListPath();
  if (listPath_.empty()) return false;
  const std::unique_ptr<InputFile> list = files_.openRead(listPath_);
  if (!list) return false;
  std::unique_ptr<InputFile> drawer;
  if (!drawerPath_.empty()) {
    drawer = files_.openRead(drawerPath_);
    if (!drawer) return false;
  }

  // The list in batches of mails, front to back; each batch's texts in file order.
  const std::uint64_t drawerSize = drawer ? drawer->size() : 0;
  ListCursor cursor(*list);
  bool success = false;
  for (;;) {
    Batch batch;
    const ListState state = readBatch(cursor, drawerSize, &batch);
    fetchBatch(drawer.get(), batch);
    if (!keepBatch(batch, result) || state == ListState::kFailed) break;
    if (state == ListState::kEnded) {
      success = true;
      break;
    }
  }
  finish(success, result);
  return success;
}

DrawerReader::ListState DrawerReader::readBatch(ListCursor& cursor, std::uint64_t drawerSize, Batch* batch) {
  try {
    while (batch->mails.size() < kBatchMails) {
      MailHandle record = createRecord();
      if (!record) return ListState::kFailed;  // a reader that cannot make records cannot read the list
      // A damaged or cut-off record is the end of the list; an error of the list file is not.
      if (!record->read(cursor)) return cursor.failed() ? ListState::kFailed : ListState::kEnded;
      if (!acceptIndex(*record)) continue;
      Pending mail;
      if (!planMail(*record, drawerSize, &mail)) {
        batch->failedAt = batch->mails.size();
        return ListState::kFailed;
      }
      mail.record = std::move(record);
      if (wantHeader_ || wantBody_) batch->spans.push_back({mail.begin, mail.end, batch->mails.size()});
      batch->mails.push_back(std::move(mail));
    }
  } catch (const std::exception&) {
    batch->failedAt = batch->mails.size();  // e.g. no memory for the list
    return ListState::kFailed;
  }
  return ListState::kMore;
}

void DrawerReader::fetchBatch(InputFile* drawer, Batch& batch) {
  // A mail handled after one that failed before it in the list is dropped again: the result
  // is what reading in list order would have kept.
  auto handle = [&](std::size_t i, std::string_view bytes, bool ok) {
    if (i > batch.failedAt) return;
    Pending& mail = batch.mails[i];
    try {
      if (!ok) {
        batch.failedAt = i;
      } else if (!handleMail(mail, bytes)) {
        mail.record.reset();  // skipped: its memory goes back at once
      }
    } catch (const std::exception&) {
      batch.failedAt = i;  // e.g. no memory for a huge mail
    }
    if (batch.failedAt == i) mail.record.reset();
  };
  if (wantHeader_ || wantBody_) {
    ReadSpansInFileOrder(drawer, std::move(batch.spans),
                         [&](const DrawerSpan& span, std::string_view bytes, bool ok) { handle(span.mail, bytes, ok); });
  } else {
    for (std::size_t i = 0; i < batch.mails.size(); ++i) handle(i, {}, true);
  }
}

bool DrawerReader::keepBatch(Batch& batch, MailList& result) {
  // The kept mails in list order, up to the first failure.
  const std::size_t kept = std::min(batch.failedAt, batch.mails.size());
  try {
    for (std::size_t i = 0; i < kept; ++i) {
      if (batch.mails[i].record) result.mails.push_back(std::move(batch.mails[i].record));
    }
  } catch (const std::exception&) {
    return false;
  }
  return batch.failedAt == SIZE_MAX;
}

bool DrawerReader::planMail(const MailRecord& record, std::uint64_t drawerSize, Pending* mail) const {
  // The header runs from its offset up to the body. A body that begins before its header names
  // no range at all; reading it as an unsigned length would ask for nearly 4 GiB, so it fails
  // like any unreadable range.
  if (wantHeader_ && record.bodyOffset < record.headerOffset) return false;
  // Ranges past the end of the file give the bytes present: nothing is sized from a length.
  auto clamp = [drawerSize](std::uint64_t at) { return std::min(at, drawerSize); };
  mail->header = clamp(record.headerOffset);
  mail->body = clamp(record.bodyOffset);
  mail->bodyEnd = clamp(std::uint64_t{record.bodyOffset} + record.bodyLength);
  mail->begin = wantHeader_ ? mail->header : mail->body;
  mail->end = wantBody_ ? mail->bodyEnd : mail->body;
  return true;
}

bool DrawerReader::handleMail(Pending& mail, std::string_view bytes) {
  // `bytes` holds the mail's span, or less of it when the file shrank since it was opened.
  auto part = [&](std::uint64_t from, std::uint64_t to) {
    const std::uint64_t at = from - mail.begin;
    if (at >= bytes.size()) return std::string_view();
    return bytes.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(to - from));
  };
  MailRecord& record = *mail.record;
  if (wantHeader_ && !handleHeader(part(mail.header, mail.body), record)) return false;
  if (wantBody_ && !handleBody(part(mail.body, mail.bodyEnd), record)) return false;
  return accept(record);
}

}  // namespace mogura
