#include "html/page_writer.h"

namespace mogura {

PageWriter::PageWriter(const FormatPage& page)
    : header_(page.placeText("Header")),
      footer_(page.placeText("Footer")),
      headerOne_(page.placeText("HeaderOne")),
      footerOne_(page.placeText("FooterOne")),
      tableHeader_(page.placeText("Table_Header")),
      tableFooter_(page.placeText("Table_Footer")),
      tableHeaderRow_(page.placeText("Table_HeaderRow")),
      tableFotterRow_(page.placeText("Table_FotterRow")),
      tableHeaderColumn_(page.placeText("Table_HeaderColumn")),
      tableFotterColumn_(page.placeText("Table_FotterColumn")),
      outputList_(page.outputList()),
      listColumn_(page.listColumn() < 1 ? 1u : static_cast<unsigned>(page.listColumn())) {}

bool PageWriter::write(TextOutput& stream) {
  stream_ = &stream;
  itemCount_ = 0;
  bool ok = false;
  try {
    // A failed step ends the sequence: the rest would write nothing anyway.
    writeHeader();
    if (streamGood()) writeTableStart();
    if (streamGood()) writeItems();
    if (streamGood()) writeTableEnd();
    if (streamGood()) writeFooter();
    // The page is judged by what reached the file, not by what sits in the buffer.
    ok = stream.flush();
  } catch (...) {
    ok = false;
  }
  stream_ = nullptr;
  return ok;
}

void PageWriter::writeHeader() { putLine(header_); }

void PageWriter::writeTableStart() {
  if (outputList_) putLine(tableHeader_);
}

void PageWriter::writeItem() {
  writeRowStart();
  writeColumnStart();
  writeItemStart();
  writeItemBody();
  ++itemCount_;
  writeItemEnd();
  writeColumnEnd();
  writeRowEnd();
}

void PageWriter::writeRowStart() {
  if (outputList_ && itemCount_ % listColumn_ == 0) putLine(tableHeaderRow_);
}

void PageWriter::writeColumnStart() {
  if (outputList_) putLine(tableHeaderColumn_);
}

void PageWriter::writeItemStart() { putLine(headerOne_); }

void PageWriter::writeItemEnd() { putLine(footerOne_); }

void PageWriter::writeColumnEnd() {
  if (outputList_) putLine(tableFotterColumn_);
}

void PageWriter::writeRowEnd() {
  if (outputList_ && itemCount_ % listColumn_ == 0) putLine(tableFotterRow_);
}

void PageWriter::writeTableEnd() {
  if (outputList_) putLine(tableFooter_);
}

void PageWriter::writeFooter() { putLine(footer_); }

void PageWriter::put(std::string_view text) {
  if (!text.empty()) stream_->write(text);
}

void PageWriter::putWithoutLineFeed(std::string_view text) {
  if (!text.empty()) stream_->writeWithoutLineFeed(text);
}

void PageWriter::putLine(std::string_view text) {
  if (text.empty()) return;
  stream_->write(text);
  endLine();
}

void PageWriter::endLine() {
  stream_->write("\n");
  lineEnded();
}

void PageWriter::lineEnded() {
  if (flushEveryLine_) stream_->flush();
}

}  // namespace mogura
