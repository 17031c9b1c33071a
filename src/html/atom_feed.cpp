#include "html/atom_feed.h"

#include <algorithm>
#include <cstdio>

#include "base/cp932.h"
#include "base/cp932_unicode.h"
#include "base/path_parts.h"

namespace mogura {
namespace {

std::int64_t SortKey(const MailRecord& mail) { return mail.date.valid() ? mail.date.serialSeconds() : -1; }

bool Older(const FeedMail& a, const FeedMail& b) {
  const std::int64_t ka = SortKey(*a.mail), kb = SortKey(*b.mail);
  if (ka != kb) return ka < kb;
  return a.mail->headerOffset < b.mail->headerOffset;
}

// Characters XML 1.0 allows: tab, line feed, carriage return and everything from the space on,
// except the two non-characters at the end of the plane.
bool AllowedInXml(char32_t code) {
  return code == 0x09 || code == 0x0A || code == 0x0D || (code >= 0x20 && code != 0xFFFE && code != 0xFFFF);
}

// `text` (CP932) as UTF-8 character data: markup characters escaped, what XML cannot hold dropped.
void AppendXmlText(std::string_view text, std::string* out) {
  for (std::size_t at = 0; at < text.size();) {
    const Cp932Char one = DecodeCp932(text, at);
    at += one.length;
    switch (one.code) {
      case '&': *out += "&amp;"; break;
      case '<': *out += "&lt;"; break;
      case '>': *out += "&gt;"; break;  // so that "]]>" never appears
      case '"': *out += "&quot;"; break;
      case '\r': *out += "&#13;"; break;  // a parser would turn a bare CR into a line feed
      default:
        if (AllowedInXml(one.code)) AppendUtf8(one.code, out);
    }
  }
}

std::string Two(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

std::string Day(const DateTime& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year(), date.month(), date.day());
  return text;
}

// RFC 3339; mail dates are kept in Japanese time.
std::string Rfc3339(const DateTime& date) {
  return Day(date) + "T" + Two(date.hour()) + ":" + Two(date.minute()) + ":" + Two(date.second()) + "+09:00";
}

std::string Compact(const DateTime& date) {
  char text[24];
  std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", date.year(), date.month(), date.day(), date.hour(),
                date.minute(), date.second());
  return text;
}

void Element(std::string_view indent, std::string_view name, std::string_view utf8Text, std::string* out) {
  *out += indent;
  *out += '<';
  *out += name;
  *out += '>';
  *out += utf8Text;
  *out += "</";
  *out += name;
  *out += ">\n";
}

std::string XmlText(std::string_view cp932) {
  std::string out;
  AppendXmlText(cp932, &out);
  return out;
}

}  // namespace

std::vector<FeedMail> NewestFeedMails(std::vector<FeedMail> mails, std::size_t count) {
  std::sort(mails.begin(), mails.end(), Older);
  for (std::size_t i = 1; i < mails.size(); ++i) {
    if (SortKey(*mails[i].mail) == SortKey(*mails[i - 1].mail)) mails[i].sameSecond = mails[i - 1].sameSecond + 1;
  }
  std::vector<FeedMail> newest;
  for (std::size_t i = mails.size(); i > 0 && newest.size() < count; --i) newest.push_back(std::move(mails[i - 1]));
  return newest;
}

std::string FeedLink(const std::string& address, const std::string& name) {
  std::string link = address;
  if (link.empty() || link.back() != '/') link += '/';
  static const char kHex[] = "0123456789ABCDEF";
  for (unsigned char c : Utf8FromCp932(name)) {
    const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                            c == '-' || c == '.' || c == '_' || c == '~';
    if (unreserved) {
      link += static_cast<char>(c);
    } else {
      link += '%';
      link += kHex[c >> 4];
      link += kHex[c & 15];
    }
  }
  return link;
}

std::string FeedPathFor(const std::string& outputPath, char separator) {
  PathParts parts = SplitPath(outputPath, separator);
  if (EqualsNoCase(parts.extension, ".xml")) return outputPath + ".xml";
  parts.extension = ".xml";
  return parts.join();
}

std::string MakeAtomFeed(const FeedHeader& header, const std::vector<FeedMail>& entries) {
  const std::string pageLink = XmlText(FeedLink(header.folderUrl, header.pageName));
  const std::string title = XmlText(header.title);
  std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<feed xmlns=\"http://www.w3.org/2005/Atom\">\n";
  Element("  ", "title", title, &out);
  Element("  ", "id", pageLink, &out);
  out += "  <link rel=\"alternate\" type=\"text/html\" href=\"" + pageLink + "\"/>\n";
  out += "  <link rel=\"self\" type=\"application/atom+xml\" href=\"" +
         XmlText(FeedLink(header.folderUrl, header.feedName)) + "\"/>\n";
  if (!entries.empty()) Element("  ", "updated", Rfc3339(entries.front().mail->date), &out);
  out += "  <author>\n";
  Element("    ", "name", title, &out);
  out += "  </author>\n";
  Element("  ", "generator", XmlText(header.generator), &out);

  for (const FeedMail& entry : entries) {
    const MailRecord& mail = *entry.mail;
    const std::string& pageName = entry.page < header.pageNames.size() ? header.pageNames[entry.page] : header.pageName;
    const std::string link = XmlText(FeedLink(header.folderUrl, pageName));
    // A second mail of the same second gets "-2", a third "-3": an entry keeps its id when newer mail comes.
    std::string id = link + "#" + Compact(mail.date);
    if (entry.sameSecond > 1) id += "-" + std::to_string(entry.sameSecond);
    out += "  <entry>\n";
    Element("    ", "title", mail.subject.empty() ? Day(mail.date) : XmlText(mail.subject), &out);
    out += "    <link href=\"" + link + "\"/>\n";
    Element("    ", "id", id, &out);
    Element("    ", "updated", Rfc3339(mail.date), &out);
    std::string content;
    for (std::size_t line = 0; line < mail.bodyLines.size(); ++line) {
      if (line > 0) content += '\n';
      AppendXmlText(mail.bodyLines[line], &content);
    }
    out += "    <content type=\"text\">" + content + "</content>\n";
    out += "  </entry>\n";
  }
  out += "</feed>\n";
  return out;
}

}  // namespace mogura
