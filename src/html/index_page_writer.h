// Writes the index page of a divided output: one item per page, a link to the page's file
// with the page's title as its text.
#pragma once

#include <string>

#include "html/page_divider.h"
#include "html/page_writer.h"

namespace mogura {

class IndexPageWriter : public PageWriter {
 public:
  // `pages` is borrowed and must outlive the writer; `page` (the Index page template) is
  // copied from. `separator` is the platform's path separator, by which the link (the file
  // name of each page, without drive and folder) is taken from the page's path.
  IndexPageWriter(const OutputPageList& pages, const FormatPage& page, char separator);
  ~IndexPageWriter() override;

 protected:
  void writeItems() override;
  // The IndexItem text with _IndexItemLink and _IndexItemTitle replaced, on one line.
  void writeItemBody() override;

 private:
  const OutputPageList& pages_;
  const OutputPage* current_ = nullptr;
  const char separator_;
  const std::string itemText_;
};

}  // namespace mogura
