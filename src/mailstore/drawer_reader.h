// Reading one drawer: its list file gives the index records, its drawer file the header and
// body of each mail. The byte layout of both files and what happens to damaged records are in
// docs/drawer-format.md.
//
// A derived reader decides through the hooks which mails it keeps and what it takes from
// them. A reader is made for one run: construct, setSource, run, destroy.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "mailstore/drawer_spans.h"
#include "mailstore/mail_list.h"
#include "mailstore/mail_record.h"
#include "platform/files.h"

namespace mogura {

// The list file path of a drawer path: the last ".krm" and everything after it removed; then,
// when the last 10 bytes are the inbox name "受信メール", its last 6 bytes ("メール") removed;
// then "リスト.krl" appended (受信メール.krm -> 受信リスト.krl, 旅行.krm -> 旅行リスト.krl).
// Empty when the path holds no ".krm".
std::string ListPathForDrawer(std::string_view drawerPath);

class ListCursor;

class DrawerReader {
 public:
  // `listPath` may be empty when makeListPath() sets it. The files are only ever opened for
  // reading, through `files`.
  explicit DrawerReader(std::string listPath, FileSystem& files = HostFileSystem());
  virtual ~DrawerReader() = default;
  DrawerReader(const DrawerReader&) = delete;
  DrawerReader& operator=(const DrawerReader&) = delete;

  void setSource(std::string drawerPath, bool wantHeader, bool wantBody);

  // Reads the whole list, appending the accepted mails to `result.mails` in list order. True
  // when the list was read to its end (a damaged record counts as the end). False when the
  // list or drawer file cannot be opened (no hook after makeListPath is called then), or when
  // a header or body cannot be read, the list file reports an error, or handling one mail
  // fails otherwise: finish(false, result) is called, and the mails accepted before that one
  // in the list stay in the result.
  //
  // The whole list is read first: acceptIndex for each record in list order, and the bytes of
  // each accepted record are kept in the stretch of the drawer file where its texts begin.
  // Then the stretches are read front to back, the texts of each in file order, whatever the
  // order of the list; as a mail's bytes arrive, its record is read again from the kept bytes
  // (a new record, not the one acceptIndex saw) and its header, body and accept hooks run
  // together. Each hook sees one mail only. Without header and body, every hook of a mail runs
  // as its record is read.
  bool run(MailList& result);

  const std::string& listPath() const { return listPath_; }
  const std::string& drawerPath() const { return drawerPath_; }
  bool wantHeader() const { return wantHeader_; }
  bool wantBody() const { return wantBody_; }

  // Hooks, in the order of their slots. `record` is always an object made by createRecord().

  // After the index record is read, before anything is read from the drawer file; false
  // skips the mail. Default: true.
  virtual bool acceptIndex(MailRecord& record);
  // After the header and body hooks; true keeps the mail. Default: true.
  virtual bool accept(MailRecord& record);
  // The header bytes (from header offset up to body offset); false skips the mail.
  // Default: splitLines into record.headerLines, true.
  virtual bool handleHeader(std::string_view text, MailRecord& record);
  // The body bytes; false skips the mail. Default: splitLines into record.bodyLines, true.
  virtual bool handleBody(std::string_view text, MailRecord& record);
  // First step of run(): may set the list path from the drawer path. Default: nothing.
  virtual void makeListPath();
  // Called once after the last record (not when a file could not be opened).
  // Default: nothing.
  virtual void finish(bool success, MailList& result);
  // A new, empty record for the next index record; a kept one is shared by the result.
  // Default: a plain MailRecord.
  virtual MailHandle createRecord();

 protected:
  void setListPath(std::string listPath) { listPath_ = std::move(listPath); }
  FileSystem& files() { return files_; }

 private:
  // Where the texts of one mail lie, clamped to the file.
  struct MailRanges {
    std::uint64_t header = 0, body = 0, bodyEnd = 0;  // its header and body
    std::uint64_t begin = 0, end = 0;                 // the part of them the run reads
  };
  struct Plan;
  struct Stretch;
  enum class ListState { kEnded, kFailed };
  // The drawer file is cut into this many stretches of equal size. Each holds the accepted
  // records whose texts begin in it until it is read, and gives them back then: while the
  // kept mails grow, the waiting records shrink.
  static constexpr std::size_t kStretches = 64;

  // Reads the list to its end or its failure into `plan`.
  ListState readList(ListCursor& cursor, Plan& plan);
  // Reads the texts of one stretch in file order and runs the mail hooks on each.
  void fetchStretch(InputFile* drawer, Stretch& stretch, Plan& plan);
  // Appends the kept mails to `result` in list order; false when a mail failed.
  bool keepPlanned(Plan& plan, MailList& result);
  // Works out the ranges of `record`; false when they name no range (a failed mail).
  bool planMail(const MailRecord& record, std::uint64_t drawerSize, MailRanges* ranges) const;
  // The header, body and accept hooks with the mail's bytes; false when a hook skipped it.
  bool handleMail(const MailRanges& ranges, MailRecord& record, std::string_view bytes);

  FileSystem& files_;
  std::string listPath_;
  std::string drawerPath_;
  bool wantHeader_ = false;
  bool wantBody_ = false;
};

}  // namespace mogura
