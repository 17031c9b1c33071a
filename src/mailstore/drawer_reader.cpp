#include "mailstore/drawer_reader.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <vector>

#include "base/string_table.h"
#include "mailstore/drawer_spans.h"
#include "mailstore/list_cursor.h"
#include "mailstore/record_store.h"
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

// An accepted mail waiting in its stretch: the bytes of its index record and its place among
// the accepted mails of the list.
struct Waiting {
  std::string_view record;
  std::size_t listIndex = 0;
};

struct DrawerReader::Stretch {
  RecordStore records;
  std::vector<Waiting> mails;
  std::vector<DrawerSpan> spans;  // span.mail: the index in `mails`
};

// What one run has planned and kept so far.
struct DrawerReader::Plan {
  struct Kept {
    std::size_t listIndex;
    MailHandle record;
  };
  explicit Plan(std::uint64_t size) : drawerSize(size), stretchBytes(size / kStretches + 1) {}
  const std::uint64_t drawerSize;
  const std::uint64_t stretchBytes;  // a stretch's index is its offset over this: below kStretches
  std::vector<Stretch> stretches;    // empty when the run reads no texts
  std::vector<Kept> kept;            // in the order handled
  std::size_t accepted = 0;          // accepted mails so far: the list index of the next one
  std::size_t failedAt = SIZE_MAX;   // the list index of the first mail that failed
};

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

  bool success = false;
  {
    Plan plan(drawer ? drawer->size() : 0);
    ListCursor cursor(*list);
    const ListState state = readList(cursor, plan);
    for (Stretch& stretch : plan.stretches) {
      fetchStretch(drawer.get(), stretch, plan);
      stretch = Stretch();  // its records go back before the next stretch's mails are made
    }
    success = keepPlanned(plan, result) && state == ListState::kEnded;
  }  // the plan's memory goes back before the pages are made
  finish(success, result);
  return success;
}

DrawerReader::ListState DrawerReader::readList(ListCursor& cursor, Plan& plan) {
  const bool readsTexts = wantHeader_ || wantBody_;
  try {
    if (readsTexts) plan.stretches.resize(kStretches);
    for (;;) {
      MailHandle record = createRecord();
      if (!record) return ListState::kFailed;  // a reader that cannot make records cannot read the list
      // A damaged or cut-off record is the end of the list; an error of the list file is not.
      cursor.markRecord();
      if (!record->read(cursor)) return cursor.failed() ? ListState::kFailed : ListState::kEnded;
      if (!acceptIndex(*record)) continue;
      MailRanges ranges;
      if (!planMail(*record, plan.drawerSize, &ranges)) {
        plan.failedAt = plan.accepted;
        return ListState::kFailed;
      }
      if (readsTexts) {
        // Only the record's bytes wait for its texts: a parsed record is several times larger.
        Stretch& stretch = plan.stretches[static_cast<std::size_t>(ranges.begin / plan.stretchBytes)];
        // The mail before its span: a span always names a waiting mail, even when memory ran out.
        stretch.mails.push_back({stretch.records.keep(cursor.recordBytes()), plan.accepted});
        stretch.spans.push_back({ranges.begin, ranges.end, stretch.mails.size() - 1});
      } else if (handleMail(ranges, *record, {})) {
        plan.kept.push_back({plan.accepted, std::move(record)});
      }
      ++plan.accepted;
    }
  } catch (const std::exception&) {
    plan.failedAt = plan.accepted;  // e.g. no memory for the list
    return ListState::kFailed;
  }
}

void DrawerReader::fetchStretch(InputFile* drawer, Stretch& stretch, Plan& plan) {
  // A mail handled after one that failed before it in the list is dropped again: the result
  // is what reading in list order would have kept.
  auto handle = [&](const DrawerSpan& span, std::string_view bytes, bool ok) {
    const Waiting& mail = stretch.mails[span.mail];
    if (mail.listIndex > plan.failedAt) return;
    bool failed = !ok;
    try {
      if (!failed) {
        MailHandle record = createRecord();
        ListCursor again(mail.record);
        MailRanges ranges;
        // The kept bytes read as they did the first time; a record that reads otherwise fails.
        failed = !record || !record->read(again) || !planMail(*record, plan.drawerSize, &ranges) ||
                 ranges.begin != span.begin || ranges.end != span.end;
        if (!failed && handleMail(ranges, *record, bytes)) plan.kept.push_back({mail.listIndex, std::move(record)});
      }
    } catch (const std::exception&) {
      failed = true;  // e.g. no memory for a huge mail
    }
    if (failed) plan.failedAt = std::min(plan.failedAt, mail.listIndex);
  };
  ReadSpansInFileOrder(drawer, std::move(stretch.spans), handle);
}

bool DrawerReader::keepPlanned(Plan& plan, MailList& result) {
  // The kept mails in list order, up to the first failure.
  auto byList = [](const Plan::Kept& a, const Plan::Kept& b) { return a.listIndex < b.listIndex; };
  if (!std::is_sorted(plan.kept.begin(), plan.kept.end(), byList)) std::sort(plan.kept.begin(), plan.kept.end(), byList);
  try {
    result.mails.reserve(result.mails.size() + plan.kept.size());
    for (Plan::Kept& kept : plan.kept) {
      if (kept.listIndex >= plan.failedAt) break;
      result.mails.push_back(std::move(kept.record));
    }
  } catch (const std::exception&) {
    return false;
  }
  return plan.failedAt == SIZE_MAX;
}

bool DrawerReader::planMail(const MailRecord& record, std::uint64_t drawerSize, MailRanges* ranges) const {
  // The header runs from its offset up to the body. A body that begins before its header names
  // no range at all; reading it as an unsigned length would ask for nearly 4 GiB, so it fails
  // like any unreadable range.
  if (wantHeader_ && record.bodyOffset < record.headerOffset) return false;
  // Ranges past the end of the file give the bytes present: nothing is sized from a length.
  auto clamp = [drawerSize](std::uint64_t at) { return std::min(at, drawerSize); };
  ranges->header = clamp(record.headerOffset);
  ranges->body = clamp(record.bodyOffset);
  ranges->bodyEnd = clamp(std::uint64_t{record.bodyOffset} + record.bodyLength);
  ranges->begin = wantHeader_ ? ranges->header : ranges->body;
  ranges->end = wantBody_ ? ranges->bodyEnd : ranges->body;
  return true;
}

bool DrawerReader::handleMail(const MailRanges& ranges, MailRecord& record, std::string_view bytes) {
  // `bytes` holds the mail's span, or less of it when the file shrank since it was opened.
  auto part = [&](std::uint64_t from, std::uint64_t to) {
    const std::uint64_t at = from - ranges.begin;
    if (at >= bytes.size()) return std::string_view();
    return bytes.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(to - from));
  };
  if (wantHeader_ && !handleHeader(part(ranges.header, ranges.body), record)) return false;
  if (wantBody_ && !handleBody(part(ranges.body, ranges.bodyEnd), record)) return false;
  return accept(record);
}

}  // namespace mogura
