// A page written in UTF-8: takes the page's CP932 bytes as they would be written, and hands
// the file a byte-order mark and their UTF-8 form. Inside <meta ...> tags a charset name of
// Shift-JIS (Shift_JIS, shift-jis, x-sjis, sjis, Windows-31J, cp932; letters in any case)
// becomes "UTF-8", so that the page does not contradict its bytes.
#pragma once

#include <memory>
#include <string>

#include "platform/files.h"

namespace mogura {

class Utf8PageOutput : public OutputFile {
 public:
  // Writes to `sink`, which must outlive this file.
  explicit Utf8PageOutput(OutputFile& sink);

  bool write(const void* data, std::size_t count) override;
  // Converts what was held back for the next piece, then closes the sink.
  bool close() override;

 private:
  // Converts `text` into out_ up to where the rest could still change with what follows (the
  // whole when `final`); returns the bytes converted.
  std::size_t pass(std::string_view text, bool final);
  void emit(std::string_view bytes);
  // Converts plain text (no meta tag); returns the bytes used.
  std::size_t emitConverted(std::string_view text, bool final);
  void reserveOut(std::size_t more);
  // Hands out_ to the sink.
  bool flushOut();

  OutputFile& sink_;
  std::string carry_;  // at most a dozen bytes: an open lead byte, "<met", a part of a charset name
  std::unique_ptr<char[]> out_;
  std::size_t outSize_ = 0, outUsed_ = 0;
  bool insideMeta_ = false;
  bool afterNameChar_ = false;  // inside a meta tag: the character before was a letter, digit, '-' or '_'
  bool started_ = false;
  bool good_ = true;
  bool closed_ = false;
};

// The whole of `page` (CP932) as Utf8PageOutput writes it, mark included.
std::string Utf8Page(std::string_view page);

}  // namespace mogura
