// The Atom 1.0 feed of a run: the newest mails, each linked to the page that holds it, so that
// friends who follow a pet's pages are told of a new entry. Always UTF-8 (no byte-order mark)
// and well-formed XML whatever bytes the mails hold.
#pragma once

#include <string>
#include <vector>

#include "mailstore/mail_record.h"

namespace mogura {

struct FeedMail {
  const MailRecord* mail;
  std::size_t page;  // the page that holds the mail: an index into FeedHeader::pageNames
  int sameSecond = 1;  // 2 for the second mail of the same second (oldest first), and so on
};

struct FeedHeader {
  std::string title;      // CP932
  std::string folderUrl;  // the address of the folder the pages are uploaded to (CP932)
  std::string pageName;   // the run's output file name: the feed's id and alternate link
  std::vector<std::string> pageNames;  // file names of the pages the entries link to
  std::string feedName;   // the feed's own file name
  std::string generator;  // CP932
};

// The newest `count` of `mails` (in any order), newest first, numbered within their second.
// Mails of the same second count in the order of their place in the drawer file, which new
// mail does not change.
std::vector<FeedMail> NewestFeedMails(std::vector<FeedMail> mails, std::size_t count);

// The whole feed document. `entries` newest first, as NewestFeedMails gives them.
std::string MakeAtomFeed(const FeedHeader& header, const std::vector<FeedMail>& entries);

// `address` followed by `name` as UTF-8 with every byte outside the unreserved characters of
// an address percent-encoded; a '/' is put between them when `address` does not end in one.
std::string FeedLink(const std::string& address, const std::string& name);

// The feed's path for the output path: its last extension replaced by ".xml" (added when it
// has none; "pets.xml" gives "pets.xml.xml", so that the feed never takes the page's place).
std::string FeedPathFor(const std::string& outputPath, char separator);

}  // namespace mogura
