// The base of the page writers: fixes the order in which the places of a page are written.
//
// A page is: Header, table start, the items, table end, Footer. Each item is wrapped in
// row start, column start, item start ("HeaderOne"), the item body, item end ("FooterOne"),
// column end and row end. The Table_ places are written only when the page is laid out as a
// table; a row is opened before items 1, N+1, 2N+1, ... and closed after items N, 2N, ...
// (N = ListColumn), so a last row that is not full stays open.
#pragma once

#include <string>
#include <string_view>

#include "html/format_page.h"
#include "platform/text_output.h"

namespace mogura {

class PageWriter {
 public:
  virtual ~PageWriter() = default;
  PageWriter(const PageWriter&) = delete;
  PageWriter& operator=(const PageWriter&) = delete;

  // Writes the whole page to `stream` and hands it to the file. True when every byte reached
  // the file; false once anything failed (the stream then stays failed and the file may hold
  // a part of the page). Any exception inside the sequence also ends it as a failure. The
  // caller opens the file before and closes it after.
  bool write(TextOutput& stream);

  // Hands every line to the file as soon as it ends, one file write per line. Off by
  // default: the stream's buffer is flushed once at the end of the page.
  void setFlushEveryLine(bool on) { flushEveryLine_ = on; }

 protected:
  // Copies the ten common place texts and the table layout of `page`. Later changes to
  // `page` do not reach the writer.
  explicit PageWriter(const FormatPage& page);

  // The page sequence, in slot order.
  virtual void writeHeader();       // "Header"
  virtual void writeTableStart();   // "Table_Header"
  virtual void writeItems() = 0;    // makes each item current and calls writeItem()
  virtual void writeItem();         // the per-item sequence
  virtual void writeRowStart();     // "Table_HeaderRow"
  virtual void writeColumnStart();  // "Table_HeaderColumn"
  virtual void writeItemStart();    // "HeaderOne"
  virtual void writeItemBody() = 0;
  virtual void writeItemEnd();      // "FooterOne"
  virtual void writeColumnEnd();    // "Table_FotterColumn"
  virtual void writeRowEnd();       // "Table_FotterRow"
  virtual void writeTableEnd();     // "Table_Footer"
  virtual void writeFooter();       // "Footer"

  // The three output primitives. put writes the text's bytes; putLine writes them and a line
  // end; endLine writes a line end. put and putLine write nothing at all for an empty text.
  // Every line feed reaches the file as CR LF.
  void put(std::string_view text);
  // put for a text known to hold no line feed (a line of a split body).
  void putWithoutLineFeed(std::string_view text);
  void putLine(std::string_view text);
  void endLine();
  // False once a write to the stream has failed; later writes then do nothing.
  bool streamGood() const { return stream_ != nullptr && stream_->good(); }

  bool outputList() const { return outputList_; }
  unsigned itemCount() const { return itemCount_; }

  const std::string header_;
  const std::string footer_;
  const std::string headerOne_;
  const std::string footerOne_;
  const std::string tableHeader_;
  const std::string tableFooter_;
  const std::string tableHeaderRow_;
  const std::string tableFotterRow_;
  const std::string tableHeaderColumn_;
  const std::string tableFotterColumn_;

 private:
  void lineEnded();

  const bool outputList_;
  const unsigned listColumn_;  // at least 1
  TextOutput* stream_ = nullptr;
  unsigned itemCount_ = 0;
  bool flushEveryLine_ = false;
};

}  // namespace mogura
