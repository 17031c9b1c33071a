#include "html/page_divider.h"

#include <optional>
#include <utility>

#include "base/cp932.h"
#include "base/string_table.h"

namespace mogura {
namespace {

// `value` in decimal, padded with leading zeros to at least `width` digits.
std::string ZeroPadded(int value, std::size_t width) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return value < 0 ? "-" + digits : digits;
}

}  // namespace

std::string FormatDate(std::string_view pattern, const DateTime& date) {
  std::string out;
  out.reserve(pattern.size() + 8);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (IsLeadByte(c) && i + 1 < pattern.size()) {
      out.append(pattern.substr(i, 2));
      ++i;
    } else if (c == '%' && i + 1 < pattern.size() &&
               (pattern[i + 1] == 'Y' || pattern[i + 1] == 'm' || pattern[i + 1] == 'd')) {
      const char field = pattern[++i];
      if (field == 'Y') out += ZeroPadded(date.year(), 4);
      else if (field == 'm') out += ZeroPadded(date.month(), 2);
      else out += ZeroPadded(date.day(), 2);
    } else {
      out += c;
    }
  }
  return out;
}

PageDivider::Period PageDivider::PeriodOf(DivideType type, const DateTime& moment) {
  Period period;
  switch (type) {
    case DivideType::Month:
      period.earlier = DateTime::Make(moment.year(), moment.month(), 1);
      period.later = moment.month() == 12 ? DateTime::Make(moment.year() + 1, 1, 1)
                                          : DateTime::Make(moment.year(), moment.month() + 1, 1);
      break;
    case DivideType::Week:
      period.earlier = moment.dateOnly().addDays(-(moment.dayOfWeek() - 1));
      period.later = period.earlier.addDays(7);
      break;
    case DivideType::Day:
    case DivideType::Count:
      period.earlier = moment.dateOnly();
      period.later = period.earlier.addDays(1);
      break;
  }
  return period;
}

int PageDivider::WeekNumberOf(const DateTime& date) {
  const DateTime sunday = date.addDays(-(date.dayOfWeek() - 1));
  const int shifted = sunday.day() + 6;
  return shifted / 7 + (shifted % 7 != 0 ? 1 : 0);
}

PageDivider::PageDivider(const MailList& mails, const DivideSettings& settings,
                         const std::string& outputPath, char separator)
    : mails_(mails), settings_(settings), outputPath_(SplitPath(outputPath, separator)) {}

void PageDivider::divide(OutputPageList* pages) {
  pageNumber_ = 0;
  const DivideType type = settings_.effectiveType();
  if (type == DivideType::Count) divideByCount(settings_.effectiveCount(), pages);
  else divideByDate(type, pages);
}

OutputPage PageDivider::emptyPage() const {
  OutputPage page;
  page.mails.sorted = mails_.sorted;
  page.mails.ascending = mails_.ascending;
  return page;
}

void PageDivider::divideByDate(DivideType type, OutputPageList* pages) {
  // Each mail's period is found from its own date. Along a list ordered as its flag says,
  // that is the period reached by stepping over the periods without mails; along any other
  // order it still ends, with one page per run of mails in one period.
  std::optional<Period> current;
  OutputPage page = emptyPage();
  for (const MailHandle& mail : mails_.mails) {
    const DateTime& date = mail->date;
    // A mail without a valid date (which a drawer read never yields) stays with its neighbours.
    if (date.valid() && (!current || !current->contains(date))) {
      if (current && !page.mails.mails.empty()) {
        finishPage(std::move(page), type, *current, pages);
        page = emptyPage();
      }
      current = PeriodOf(type, date);
    }
    page.mails.mails.push_back(mail);
  }
  if (!page.mails.mails.empty()) finishPage(std::move(page), type, current.value_or(Period{}), pages);
}

void PageDivider::divideByCount(int count, OutputPageList* pages) {
  OutputPage page = emptyPage();
  std::size_t counter = 0;
  for (const MailHandle& mail : mails_.mails) {
    if (counter % static_cast<std::size_t>(count) == 0 && !page.mails.mails.empty()) {
      finishPage(std::move(page), DivideType::Count, Period{}, pages);
      page = emptyPage();
    }
    page.mails.mails.push_back(mail);
    ++counter;
  }
  if (!page.mails.mails.empty()) finishPage(std::move(page), DivideType::Count, Period{}, pages);
}

void PageDivider::finishPage(OutputPage page, DivideType type, const Period& period,
                             OutputPageList* pages) {
  ++pageNumber_;
  std::string suffix;
  switch (type) {
    case DivideType::Month:
      page.title = FormatDate(LoadText(IDS_PAGE_TITLE_MONTH), period.earlier);
      suffix = FormatDate("%Y%m", period.earlier);
      break;
    case DivideType::Week:
      page.weekNumber = WeekNumberOf(period.earlier);
      page.title = FormatDate(LoadText(IDS_PAGE_TITLE_DAY), period.earlier) +
                   FormatDate(LoadText(IDS_PAGE_TITLE_WEEK_END), period.earlier.addDays(6));
      suffix = FormatDate("%Y%m", period.earlier) + "w" + std::to_string(page.weekNumber);
      break;
    case DivideType::Day:
      page.title = FormatDate(LoadText(IDS_PAGE_TITLE_DAY), period.earlier);
      suffix = FormatDate("%Y%m%d", period.earlier);
      break;
    case DivideType::Count:
      page.title = FormatText(LoadText(IDS_PAGE_TITLE_COUNT), std::to_string(pageNumber_));
      suffix = ZeroPadded(pageNumber_, 4);
      break;
  }
  page.path = outputPath_.drive + outputPath_.folder + outputPath_.baseName + suffix +
              outputPath_.extension;
  pages->push_back(std::move(page));
}

}  // namespace mogura
