#include "mailstore/drawer_reader.h"

#include <algorithm>
#include <exception>

#include "base/string_table.h"
#include "mailstore/drawer_window.h"
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
std::unique_ptr<MailRecord> DrawerReader::createRecord() { return std::make_unique<MailRecord>(); }

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

  ListCursor cursor(*list);
  DrawerWindow window(drawer.get());
  bool success = false;
  for (;;) {
    MailOutcome outcome;
    try {
      std::unique_ptr<MailRecord> fresh = createRecord();
      if (!fresh) break;  // a reader that cannot make records cannot read the list
      if (!fresh->read(cursor)) {
        // A damaged or cut-off record is the end of the list; an error of the list file is not.
        success = !cursor.failed();
        break;
      }
      outcome = handleMail(window, MailHandle(std::move(fresh)), result);
    } catch (const std::exception&) {
      outcome = MailOutcome::kFailed;  // e.g. no memory for a huge mail
    }
    if (outcome == MailOutcome::kFailed) break;
  }
  finish(success, result);
  return success;
}

DrawerReader::MailOutcome DrawerReader::handleMail(DrawerWindow& drawer, const MailHandle& record,
                                                   MailList& result) {
  if (!acceptIndex(*record)) return MailOutcome::kSkipped;
  std::string_view bytes;
  if (wantHeader_) {
    // The header runs from its offset up to the body. A body that begins before its header
    // names no range at all; reading it as an unsigned length would ask for nearly 4 GiB, so it
    // fails like any unreadable range.
    if (record->bodyOffset < record->headerOffset) return MailOutcome::kFailed;
    if (!drawer.read(record->headerOffset, record->bodyOffset - record->headerOffset, &bytes))
      return MailOutcome::kFailed;
    if (!handleHeader(bytes, *record)) return MailOutcome::kSkipped;
  }
  if (wantBody_) {
    if (!drawer.read(record->bodyOffset, record->bodyLength, &bytes)) return MailOutcome::kFailed;
    if (!handleBody(bytes, *record)) return MailOutcome::kSkipped;
  }
  if (!accept(*record)) return MailOutcome::kSkipped;
  result.mails.push_back(record);
  return MailOutcome::kKept;
}

}  // namespace mogura
