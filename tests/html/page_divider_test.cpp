#include "html/page_divider.h"
#include "store/memory_store.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace mogura {
namespace {

// CP932 pieces of the page titles.
const std::string kYear = "\x94\x4E";   // 年
const std::string kMonth = "\x8C\x8E";  // 月
const std::string kDay = "\x93\xFA";    // 日
const std::string kTilde = "\x81\x60";  // ～
const std::string kSono = "\x82\xBB\x82\xCC";  // その
const std::string kSo = "\x83\x5C";     // ソ (trail byte '\')
const std::string kHyo = "\x95\x5C";    // 表 (trail byte '\')

MailHandle Mail(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
  auto mail = std::make_shared<MailRecord>();
  mail->date = DateTime::Make(year, month, day, hour, minute, second);
  return mail;
}

MailList List(std::vector<MailHandle> mails, bool ascending) {
  MailList list;
  list.mails = std::move(mails);
  list.sorted = true;
  list.ascending = ascending;
  return list;
}

// The list in the opposite order, flagged accordingly.
MailList Reversed(const MailList& list) {
  return List(std::vector<MailHandle>(list.mails.rbegin(), list.mails.rend()), !list.ascending);
}

DivideSettings Settings(DivideType type, int count = 10) {
  DivideSettings settings;
  settings.setValid(true);
  settings.setType(static_cast<int>(type));
  settings.setCount(count);
  return settings;
}

OutputPageList Divide(const MailList& list, const DivideSettings& settings,
                      const std::string& path = "C:\\web\\pages.htm", char separator = '\\') {
  OutputPageList pages;
  PageDivider(list, settings, path, separator).divide(&pages);
  return pages;
}

std::string MonthTitle(const char* year, const char* month) {
  return year + kYear + month + kMonth;
}
std::string DayTitle(const char* year, const char* month, const char* day) {
  return year + kYear + month + kMonth + day + kDay;
}
std::string WeekTitle(const char* year, const char* month, const char* day, const char* lastMonth,
                      const char* lastDay) {
  return DayTitle(year, month, day) + kTilde + lastMonth + kMonth + lastDay + kDay;
}

// Page by page: the mails it holds (identified by handle), its path and its title.
struct Expected {
  std::vector<MailHandle> mails;
  std::string path;
  std::string title;
};

void ExpectPages(const OutputPageList& pages, const std::vector<Expected>& expected) {
  ASSERT_EQ(pages.size(), expected.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    SCOPED_TRACE("page " + std::to_string(i + 1));
    EXPECT_EQ(pages[i].mails.mails, expected[i].mails);
    EXPECT_EQ(pages[i].path, expected[i].path);
    EXPECT_EQ(pages[i].title, expected[i].title);
  }
}

TEST(PageDivider, MonthPagesInBothDirections) {
  const auto a = Mail(2000, 4, 3), b = Mail(2000, 4, 20), c = Mail(2000, 5, 2);
  const MailList oldestFirst = List({a, b, c}, true);
  const DivideSettings month = Settings(DivideType::Month);
  ExpectPages(Divide(oldestFirst, month),
              {{{a, b}, "C:\\web\\pages200004.htm", MonthTitle("2000", "04")},
               {{c}, "C:\\web\\pages200005.htm", MonthTitle("2000", "05")}});
  ExpectPages(Divide(Reversed(oldestFirst), month),
              {{{c}, "C:\\web\\pages200005.htm", MonthTitle("2000", "05")},
               {{b, a}, "C:\\web\\pages200004.htm", MonthTitle("2000", "04")}});
}

TEST(PageDivider, MonthsWithoutMailGiveNoPage) {
  const auto jan = Mail(2000, 1, 15), mar = Mail(2000, 3, 15);
  const MailList list = List({jan, mar}, true);
  const DivideSettings month = Settings(DivideType::Month);
  ExpectPages(Divide(list, month), {{{jan}, "C:\\web\\pages200001.htm", MonthTitle("2000", "01")},
                                    {{mar}, "C:\\web\\pages200003.htm", MonthTitle("2000", "03")}});
  ExpectPages(Divide(Reversed(list), month),
              {{{mar}, "C:\\web\\pages200003.htm", MonthTitle("2000", "03")},
               {{jan}, "C:\\web\\pages200001.htm", MonthTitle("2000", "01")}});
}

TEST(PageDivider, MonthsCarryTheYear) {
  const auto dec = Mail(2000, 12, 31, 23, 59, 59), jan = Mail(2001, 1, 1, 0, 0, 0);
  const MailList list = List({dec, jan}, true);
  const DivideSettings month = Settings(DivideType::Month);
  ExpectPages(Divide(list, month), {{{dec}, "C:\\web\\pages200012.htm", MonthTitle("2000", "12")},
                                    {{jan}, "C:\\web\\pages200101.htm", MonthTitle("2001", "01")}});
  ExpectPages(Divide(Reversed(list), month),
              {{{jan}, "C:\\web\\pages200101.htm", MonthTitle("2001", "01")},
               {{dec}, "C:\\web\\pages200012.htm", MonthTitle("2000", "12")}});
}

TEST(PageDivider, WeekPagesAreNamedAfterTheMonthOfTheirSunday) {
  const auto sunday = Mail(2000, 4, 2, 9), saturday = Mail(2000, 4, 8, 23, 59, 59);
  const auto wednesday = Mail(2000, 5, 3), nextSaturday = Mail(2000, 5, 6, 18);
  const MailList list = List({sunday, saturday, wednesday, nextSaturday}, true);
  const DivideSettings week = Settings(DivideType::Week);
  const Expected first{{sunday, saturday}, "C:\\web\\pages200004w2.htm",
                       WeekTitle("2000", "04", "02", "04", "08")};
  const Expected last{{wednesday, nextSaturday}, "C:\\web\\pages200004w6.htm",
                      WeekTitle("2000", "04", "30", "05", "06")};
  const OutputPageList pages = Divide(list, week);
  ExpectPages(pages, {first, last});
  EXPECT_EQ(pages[0].weekNumber, 2);
  EXPECT_EQ(pages[1].weekNumber, 6);

  const OutputPageList backwards = Divide(Reversed(list), week);
  ExpectPages(backwards, {{{nextSaturday, wednesday}, last.path, last.title},
                          {{saturday, sunday}, first.path, first.title}});
  EXPECT_EQ(backwards[0].weekNumber, 6);
  EXPECT_EQ(backwards[1].weekNumber, 2);
}

TEST(PageDivider, WeekNumbersFollowTheDayOfTheSunday) {
  // Sunday 1 October 2000 opens week 1; Sundays on the 8th and the 15th open weeks 2 and 3;
  // Saturday 1 April 2000 lies in the week of Sunday 26 March, week 5.
  EXPECT_EQ(PageDivider::WeekNumberOf(DateTime::Make(2000, 10, 7)), 1);
  EXPECT_EQ(PageDivider::WeekNumberOf(DateTime::Make(2000, 10, 8)), 2);
  EXPECT_EQ(PageDivider::WeekNumberOf(DateTime::Make(2000, 10, 15)), 3);
  EXPECT_EQ(PageDivider::WeekNumberOf(DateTime::Make(2000, 4, 1)), 5);
  // Outside week mode no week number is set.
  const OutputPageList pages = Divide(List({Mail(2000, 4, 3)}, true), Settings(DivideType::Month));
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].weekNumber, 0);
}

TEST(PageDivider, DayPages) {
  const auto a = Mail(2000, 4, 2, 8), b = Mail(2000, 4, 2, 20), c = Mail(2000, 4, 3, 7);
  const MailList list = List({a, b, c}, true);
  const DivideSettings day = Settings(DivideType::Day);
  ExpectPages(Divide(list, day),
              {{{a, b}, "C:\\web\\pages20000402.htm", DayTitle("2000", "04", "02")},
               {{c}, "C:\\web\\pages20000403.htm", DayTitle("2000", "04", "03")}});
  ExpectPages(Divide(Reversed(list), day),
              {{{c}, "C:\\web\\pages20000403.htm", DayTitle("2000", "04", "03")},
               {{b, a}, "C:\\web\\pages20000402.htm", DayTitle("2000", "04", "02")}});
}

// A period holds its earlier midnight and not its later one, whichever the direction.
TEST(PageDivider, AMidnightBelongsToThePeriodItStarts) {
  struct Case {
    DivideType type;
    MailHandle before, atMidnight;
    std::string beforeSuffix, midnightSuffix;
  };
  const std::vector<Case> cases = {
      {DivideType::Month, Mail(2000, 4, 30, 23, 59, 59), Mail(2000, 5, 1, 0, 0, 0), "200004",
       "200005"},
      // Saturday 8 April, Sunday 9 April 2000.
      {DivideType::Week, Mail(2000, 4, 8, 23, 59, 59), Mail(2000, 4, 9, 0, 0, 0), "200004w2",
       "200004w3"},
      {DivideType::Day, Mail(2000, 4, 2, 23, 59, 59), Mail(2000, 4, 3, 0, 0, 0), "20000402",
       "20000403"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.type));
    const MailList list = List({c.before, c.atMidnight}, true);
    const OutputPageList forward = Divide(list, Settings(c.type));
    ASSERT_EQ(forward.size(), 2u);
    EXPECT_EQ(forward[0].mails.mails, std::vector<MailHandle>{c.before});
    EXPECT_EQ(forward[0].path, "C:\\web\\pages" + c.beforeSuffix + ".htm");
    EXPECT_EQ(forward[1].mails.mails, std::vector<MailHandle>{c.atMidnight});
    EXPECT_EQ(forward[1].path, "C:\\web\\pages" + c.midnightSuffix + ".htm");

    const OutputPageList backward = Divide(Reversed(list), Settings(c.type));
    ASSERT_EQ(backward.size(), 2u);
    EXPECT_EQ(backward[0].mails.mails, std::vector<MailHandle>{c.atMidnight});
    EXPECT_EQ(backward[0].path, "C:\\web\\pages" + c.midnightSuffix + ".htm");
    EXPECT_EQ(backward[1].mails.mails, std::vector<MailHandle>{c.before});
    EXPECT_EQ(backward[1].path, "C:\\web\\pages" + c.beforeSuffix + ".htm");

    // Alone, or with a later mail of its own period, the midnight mail opens that period.
    const auto later = Mail(c.atMidnight->date.year(), c.atMidnight->date.month(),
                            c.atMidnight->date.day(), 23, 59, 59);
    for (const MailList& own : {List({c.atMidnight, later}, true), List({later, c.atMidnight}, false)}) {
      const OutputPageList pages = Divide(own, Settings(c.type));
      ASSERT_EQ(pages.size(), 1u);
      EXPECT_EQ(pages[0].path, "C:\\web\\pages" + c.midnightSuffix + ".htm");
    }
  }
}

TEST(PageDivider, CountPages) {
  std::vector<MailHandle> mails;
  for (int i = 0; i < 25; ++i) mails.push_back(Mail(2000, 4, 1 + i));
  const OutputPageList pages = Divide(List(mails, true), Settings(DivideType::Count, 10));
  ASSERT_EQ(pages.size(), 3u);
  const std::size_t sizes[] = {10, 10, 5};
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(pages[i].mails.mails.size(), sizes[i]);
    EXPECT_EQ(pages[i].mails.mails.front(), mails[i * 10]);
    EXPECT_EQ(pages[i].title, kSono + std::to_string(i + 1));
    EXPECT_EQ(pages[i].path, "C:\\web\\pages000" + std::to_string(i + 1) + ".htm");
    EXPECT_EQ(pages[i].weekNumber, 0);
  }
  // Exactly a multiple of the count: no empty last page.
  mails.resize(20);
  EXPECT_EQ(Divide(List(mails, true), Settings(DivideType::Count, 10)).size(), 2u);
}

TEST(PageDivider, CountBelowOneActsAsOne) {
  const MailList list = List({Mail(2000, 4, 1), Mail(2000, 4, 2), Mail(2000, 4, 3)}, true);
  for (int count : {0, -5}) {
    SCOPED_TRACE(count);
    const OutputPageList pages = Divide(list, Settings(DivideType::Count, count));
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[2].mails.mails, std::vector<MailHandle>{list.mails[2]});
    EXPECT_EQ(pages[2].path, "C:\\web\\pages0003.htm");
  }
}

TEST(PageDivider, StoredTypeOutOfRangeActsAsMonth) {
  const MailList list = List({Mail(2000, 4, 3), Mail(2000, 5, 2)}, true);
  for (std::int32_t stored : {4, -1, 1000}) {
    SCOPED_TRACE(stored);
    // Load takes the stored value as it is; the setter would have made it 0.
    auto tree = std::make_shared<MemoryTree>();
    const SettingsKey root = MemoryRootKey(tree);
    ASSERT_TRUE(root.createSubKey("Devide").writeInt("Type", stored));
    DivideSettings loaded;
    loaded.Load(root);
    ASSERT_EQ(loaded.type(), stored);
    const OutputPageList pages = Divide(list, loaded);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].path, "C:\\web\\pages200005.htm");
    EXPECT_EQ(pages[1].title, MonthTitle("2000", "05"));
  }
}

TEST(PageDivider, PagesKeepTheOrderAndFlagsOfTheList) {
  const auto a = Mail(2000, 4, 20), b = Mail(2000, 4, 3);
  const OutputPageList pages = Divide(List({a, b}, false), Settings(DivideType::Month));
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].mails.mails, (std::vector<MailHandle>{a, b}));
  EXPECT_TRUE(pages[0].mails.sorted);
  EXPECT_FALSE(pages[0].mails.ascending);
}

TEST(PageDivider, EachDivisionNumbersItsPagesFromOne) {
  const MailList list = List({Mail(2000, 4, 1), Mail(2000, 4, 2)}, true);
  const DivideSettings settings = Settings(DivideType::Count, 1);
  OutputPageList pages;
  PageDivider divider(list, settings, "C:\\web\\pages.htm", '\\');
  divider.divide(&pages);
  divider.divide(&pages);
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(pages[2].title, kSono + "1");
  EXPECT_EQ(pages[3].path, "C:\\web\\pages0002.htm");
}

// A list not in the order its flag states still divides, and ends.
TEST(PageDivider, AListAgainstItsFlagStillEnds) {
  const auto may = Mail(2000, 5, 2), april = Mail(2000, 4, 3), june = Mail(2000, 6, 1);
  const OutputPageList pages = Divide(List({may, april, june}, true), Settings(DivideType::Month));
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[1].mails.mails, std::vector<MailHandle>{april});
  EXPECT_EQ(pages[1].title, MonthTitle("2000", "04"));
}

TEST(PageDivider, PathsSplitAroundDoubleByteCharacters) {
  const MailList list = List({Mail(2000, 4, 3)}, true);
  const DivideSettings month = Settings(DivideType::Month);
  struct Case {
    std::string path;
    char separator;
    std::string page;
  };
  const std::vector<Case> cases = {
      // Trail bytes 0x5C in folder and file names are no separators.
      {"C:\\" + kSo + "\\" + kHyo + ".htm", '\\', "C:\\" + kSo + "\\" + kHyo + "200004.htm"},
      {"D:\\web\\" + kSo + kHyo, '\\', "D:\\web\\" + kSo + kHyo + "200004"},
      {"C:/web/pages.html", '\\', "C:/web/pages200004.html"},
      {"pages.htm", '\\', "pages200004.htm"},
      {"C:" + kHyo + ".htm", '\\', "C:" + kHyo + "200004.htm"},
      // A period in a folder name is no extension.
      {"C:\\web.d\\pages", '\\', "C:\\web.d\\pages200004"},
      {"C:\\web\\a.b.htm", '\\', "C:\\web\\a.b200004.htm"},
      // POSIX: no drive, '\' belongs to the name.
      {"/home/u/" + kSo + "/" + kHyo + ".htm", '/', "/home/u/" + kSo + "/" + kHyo + "200004.htm"},
      {"/home/u/a\\b.htm", '/', "/home/u/a\\b200004.htm"},
      {"/home/u.v/pages", '/', "/home/u.v/pages200004"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const OutputPageList pages = Divide(list, month, c.path, c.separator);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].path, c.page);
  }
}

}  // namespace
}  // namespace mogura
