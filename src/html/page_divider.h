// Cuts an ordered mail list into pages per month, week, day or number of mails, and names
// each page's file and title. Writes nothing itself.
#pragma once

#include <string>
#include <vector>

#include "base/date_time.h"
#include "html/divide_settings.h"
#include "base/path_parts.h"
#include "mailstore/mail_list.h"

namespace mogura {

// One page of a division.
struct OutputPage {
  // The page's mails in the order of the divided list (shared handles).
  MailList mails;
  // Full path of the page's file.
  std::string path;
  // The title shown on the index page.
  std::string title;
  // Week of the month of the period's Sunday (1-6); 0 outside week mode.
  int weekNumber = 0;
};

using OutputPageList = std::vector<OutputPage>;

class PageDivider {
 public:
  // `mails` and `settings` are borrowed and must outlive the divider. `outputPath` is the
  // file the user chose; `separator` is the platform's path separator ('\\' or '/'), which
  // decides how the path is taken apart.
  PageDivider(const MailList& mails, const DivideSettings& settings, const std::string& outputPath,
              char separator);

  // Appends the pages to `pages` in the order of the mail list. The mail list should be
  // ordered by date in the direction of its ascending flag; were it not, a mail outside the
  // current period simply starts a new page.
  void divide(OutputPageList* pages);

  // Periods of date division: one calendar month, week (Sunday to Saturday) or day. A period
  // holds the moments from its earlier midnight (included) to its later midnight (excluded),
  // whichever the direction of the list. A bound beyond the last supported day is invalid and
  // bounds nothing.
  struct Period {
    DateTime earlier;
    DateTime later;
    bool contains(const DateTime& moment) const {
      return earlier <= moment && (!later.valid() || moment < later);
    }
  };
  // The period of the given type that holds `moment`.
  static Period PeriodOf(DivideType type, const DateTime& moment);
  // Week of the month of the Sunday on or before `date`: 1 when that Sunday is the 1st,
  // 2 for the 2nd to the 8th, and so on up to 6.
  static int WeekNumberOf(const DateTime& date);

 private:
  void divideByDate(DivideType type, OutputPageList* pages);
  void divideByCount(int count, OutputPageList* pages);
  // Names the page, raises the page number and appends the page.
  void finishPage(OutputPage page, DivideType type, const Period& period, OutputPageList* pages);
  OutputPage emptyPage() const;

  const MailList& mails_;
  const DivideSettings& settings_;
  PathParts outputPath_;
  int pageNumber_ = 0;
};

// `pattern` with %Y (four digits), %m and %d (two digits each) filled in from `date`; any
// other byte is kept as it is, double-byte characters included.
std::string FormatDate(std::string_view pattern, const DateTime& date);

}  // namespace mogura
