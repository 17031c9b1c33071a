#include "html/index_page_writer.h"

#include "html/embedded_words.h"
#include "base/path_parts.h"

namespace mogura {

IndexPageWriter::IndexPageWriter(const OutputPageList& pages, const FormatPage& page,
                                 char separator)
    : PageWriter(page), pages_(pages), separator_(separator), itemText_(page.placeText("IndexItem")) {}

IndexPageWriter::~IndexPageWriter() = default;

void IndexPageWriter::writeItems() {
  for (const OutputPage& page : pages_) {
    if (!streamGood()) break;
    current_ = &page;
    writeItem();
  }
  current_ = nullptr;
}

void IndexPageWriter::writeItemBody() {
  if (itemText_.empty()) return;
  // The index lies in the folder of the pages: the link is the bare file name.
  const std::string link = SplitPath(current_->path, separator_).fileName();
  putLine(ReplaceWord(ReplaceWord(itemText_, "_IndexItemLink", link), "_IndexItemTitle",
                      current_->title));
}

}  // namespace mogura
