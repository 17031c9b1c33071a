#include "html/atom_feed.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace mogura {
namespace {

std::unique_ptr<MailRecord> Mail(const DateTime& date, const std::string& subject, TextLines body,
                                 std::uint32_t offset) {
  auto mail = std::make_unique<MailRecord>();
  mail->date = date;
  mail->subject = subject;
  mail->bodyLines = std::move(body);
  mail->headerOffset = offset;
  return mail;
}

FeedHeader Header() {
  FeedHeader header;
  header.title = "\x83\x79\x83\x62\x83\x67";  // "petto"
  header.folderUrl = "https://example.org/pets";
  header.pageName = "pets.htm";
  header.feedName = "pets.xml";
  header.generator = "gen";
  header.pageNames = {"pets.htm"};
  return header;
}

TEST(AtomFeed, NewestFirstAndMailsOfOneSecondNumberedInDrawerOrder) {
  const DateTime noon = DateTime::Make(2003, 4, 5, 12, 0, 0);
  auto a = Mail(noon, "a", {}, 300), b = Mail(noon, "b", {}, 100), c = Mail(noon.addDays(1), "c", {}, 50),
       d = Mail(noon.addDays(-1), "d", {}, 10);
  const std::vector<FeedMail> all = {{a.get(), 0}, {c.get(), 0}, {d.get(), 0}, {b.get(), 0}};

  std::vector<FeedMail> newest = NewestFeedMails(all, 3);
  ASSERT_EQ(newest.size(), 3u);
  EXPECT_EQ(newest[0].mail, c.get());
  EXPECT_EQ(newest[1].mail, a.get());  // later in the drawer than b: the second of its second
  EXPECT_EQ(newest[1].sameSecond, 2);
  EXPECT_EQ(newest[2].mail, b.get());
  EXPECT_EQ(newest[2].sameSecond, 1);

  // Cut inside the second: the one kept still counts the one before it.
  newest = NewestFeedMails(all, 2);
  ASSERT_EQ(newest.size(), 2u);
  EXPECT_EQ(newest[1].mail, a.get());
  EXPECT_EQ(newest[1].sameSecond, 2);

  const std::string feed = MakeAtomFeed(Header(), NewestFeedMails(all, 3));
  const std::size_t first = feed.find("<id>https://example.org/pets/pets.htm#20030406120000</id>");
  const std::size_t second = feed.find("<id>https://example.org/pets/pets.htm#20030405120000-2</id>");
  const std::size_t third = feed.find("<id>https://example.org/pets/pets.htm#20030405120000</id>");
  EXPECT_NE(first, std::string::npos);
  EXPECT_LT(first, second);
  EXPECT_LT(second, third);
  EXPECT_NE(third, std::string::npos);
  EXPECT_NE(feed.find("<updated>2003-04-06T12:00:00+09:00</updated>\n  <author>"), std::string::npos);
}

TEST(AtomFeed, AnyBytesOfAMailGiveWellFormedText) {
  const std::string fffd = "\xef\xbf\xbd";
  auto mail = Mail(DateTime::Make(2003, 4, 5, 1, 2, 3), "a<b & ]]> \"q\"\x01\x82",
                   {"line <1>", std::string("tab\tnul\0bell\x07", 13) + "cr\r", "\x82\xa0\x85\x40"}, 0);
  const std::string feed = MakeAtomFeed(Header(), {{mail.get(), 0}});
  EXPECT_NE(feed.find("<title>a&lt;b &amp; ]]&gt; &quot;q&quot;" + fffd + "</title>"), std::string::npos) << feed;
  EXPECT_NE(feed.find("<content type=\"text\">line &lt;1&gt;\ntab\tnulbellcr&#13;\n\xe3\x81\x82" + fffd +
                      "@</content>"),
            std::string::npos)
      << feed;
  EXPECT_EQ(feed.find("]]>"), std::string::npos);
  EXPECT_EQ(feed.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<feed xmlns=\"http://www.w3.org/2005/Atom\">", 0),
            0u);
  EXPECT_NE(feed.find("<title>\xe3\x83\x9a\xe3\x83\x83\xe3\x83\x88</title>"), std::string::npos);  // the title in UTF-8
}

TEST(AtomFeed, AMailWithoutSubjectIsTitledByItsDayAndLinksToItsPage) {
  auto mail = Mail(DateTime::Make(2003, 4, 5, 1, 2, 3), "", {}, 0);
  FeedHeader header = Header();
  header.pageNames = {"pets200303.htm", "pets200304.htm"};
  const std::string feed = MakeAtomFeed(header, {{mail.get(), 1}});
  EXPECT_NE(feed.find("<title>2003-04-05</title>"), std::string::npos);
  EXPECT_NE(feed.find("<link href=\"https://example.org/pets/pets200304.htm\"/>"), std::string::npos);
  EXPECT_NE(feed.find("<id>https://example.org/pets/pets200304.htm#20030405010203</id>"), std::string::npos);
  EXPECT_NE(feed.find("<link rel=\"self\" type=\"application/atom+xml\" href=\"https://example.org/pets/pets.xml\"/>"),
            std::string::npos);
  EXPECT_NE(feed.find("<link rel=\"alternate\" type=\"text/html\" href=\"https://example.org/pets/pets.htm\"/>"),
            std::string::npos);
}

TEST(AtomFeed, LinksArePercentEncodedUtf8AndTheFeedTakesThePagesName) {
  EXPECT_EQ(FeedLink("http://h/a/", "\x83\x79 x.htm"), "http://h/a/%E3%83%9A%20x.htm");
  EXPECT_EQ(FeedLink("http://h", "a-b_c~d.e"), "http://h/a-b_c~d.e");
  EXPECT_EQ(FeedLink("http://h", "&?#%"), "http://h/%26%3F%23%25");

  EXPECT_EQ(FeedPathFor("/home/u/pets.htm", '/'), "/home/u/pets.xml");
  EXPECT_EQ(FeedPathFor("/home/u.d/pets", '/'), "/home/u.d/pets.xml");
  EXPECT_EQ(FeedPathFor("C:\\a.b\\\x83\x5c.html", '\\'), "C:\\a.b\\\x83\x5c.xml");
  EXPECT_EQ(FeedPathFor("C:\\out\\pets.XML", '\\'), "C:\\out\\pets.XML.xml");  // never the page itself
}

}  // namespace
}  // namespace mogura
