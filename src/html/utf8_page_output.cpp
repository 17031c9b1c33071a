#include "html/utf8_page_output.h"

#include <algorithm>
#include <cstring>

#include "base/cp932.h"
#include "base/cp932_unicode.h"

namespace mogura {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr std::string_view kUtf8Name = "UTF-8";

// Longest first, so that "x-sjis" is taken whole before its "sjis".
constexpr std::string_view kShiftJisNames[] = {"windows-31j", "shift_jis", "shift-jis", "x-sjis", "cp932", "sjis"};
constexpr std::size_t kLongestName = 11;
// "<meta" and the byte after it.
constexpr std::size_t kMetaLookahead = 6;
// Enough bytes after a held-back carry to settle it.
constexpr std::size_t kSettleBytes = 32;

bool IsNameChar(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '_';
}

bool EndsTagName(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '/' || c == '>';
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
  return text.size() - at >= word.size() && EqualsNoCase(text.substr(at, word.size()), word);
}

}  // namespace

Utf8PageOutput::Utf8PageOutput(OutputFile& sink) : sink_(sink) {}

bool Utf8PageOutput::write(const void* data, std::size_t count) {
  if (!good_ || closed_) return good_ = false;
  std::string_view text(static_cast<const char*>(data), count);
  if (!carry_.empty()) {
    // Settle the few bytes held back with the first bytes of this piece, then go on in the piece.
    std::string head = carry_;
    head.append(text.substr(0, std::min(text.size(), kSettleBytes)));
    const std::size_t carried = carry_.size();
    carry_.clear();
    const std::size_t used = pass(head, false);
    if (used < carried) {
      carry_ = head.substr(used);  // the piece was too short to settle anything
      return flushOut();
    }
    text.remove_prefix(used - carried);
  }
  const std::size_t used = pass(text, false);
  carry_.assign(text.substr(used));
  return flushOut();
}

bool Utf8PageOutput::close() {
  if (closed_) return good_;
  if (good_) {
    const std::string rest = std::move(carry_);
    carry_.clear();
    pass(rest, true);
    flushOut();
  }
  closed_ = true;
  if (!sink_.close()) good_ = false;
  return good_;
}

void Utf8PageOutput::reserveOut(std::size_t more) {
  if (outUsed_ + more <= outSize_) return;
  const std::size_t size = std::max(outUsed_ + more, 2 * outSize_);
  std::unique_ptr<char[]> bigger(new char[size]);
  if (outUsed_ > 0) std::memcpy(bigger.get(), out_.get(), outUsed_);
  out_ = std::move(bigger);
  outSize_ = size;
}

void Utf8PageOutput::emit(std::string_view bytes) {
  reserveOut(bytes.size());
  std::memcpy(out_.get() + outUsed_, bytes.data(), bytes.size());
  outUsed_ += bytes.size();
}

std::size_t Utf8PageOutput::emitConverted(std::string_view text, bool final) {
  reserveOut(3 * text.size() + 1);
  std::size_t used = 0;
  char* const end = ConvertCp932ToUtf8(text, out_.get() + outUsed_, final, &used);
  outUsed_ = static_cast<std::size_t>(end - out_.get());
  return used;
}

std::size_t Utf8PageOutput::pass(std::string_view text, bool final) {
  if (!started_) {
    emit(kByteOrderMark);
    started_ = true;
  }
  const std::size_t n = text.size();
  std::size_t at = 0;
  while (at < n) {
    if (!insideMeta_) {
      // Plain text up to a '<' that may begin a meta tag ('<' is never a trail byte, nor 'm').
      std::size_t used = 0;
      reserveOut(3 * (n - at) + 1);
      char* const end = ConvertCp932ToUtf8(
          text.substr(at), out_.get() + outUsed_, final, &used, '<',
          [&](std::size_t offset) {
            const std::size_t next = at + offset + 1;
            return next == n || text[next] == 'm' || text[next] == 'M';
          },
          'm');
      outUsed_ = static_cast<std::size_t>(end - out_.get());
      at += used;
      if (at == n || text[at] != '<') return at;  // the end, or a lead byte whose trail comes later
      if (n - at < kMetaLookahead && !final) return at;
      if (n - at >= kMetaLookahead && StartsWithNoCase(text, at + 1, "meta") && EndsTagName(text[at + 5])) {
        emit(text.substr(at, 5));
        at += 5;
        insideMeta_ = true;
        afterNameChar_ = true;
      } else {
        emit("<");
        ++at;
      }
      continue;
    }
    const char c = text[at];
    if (c == '>') {
      emit(">");
      ++at;
      insideMeta_ = false;
      continue;
    }
    if (IsLeadByte(c)) {
      if (at + 1 >= n && !final) return at;
      const Cp932Char one = DecodeCp932(text, at);
      emitConverted(text.substr(at, one.length), true);
      at += one.length;
      afterNameChar_ = false;
      continue;
    }
    if (!afterNameChar_ && IsNameChar(static_cast<unsigned char>(c))) {
      if (n - at <= kLongestName && !final) return at;
      bool renamed = false;
      for (std::string_view name : kShiftJisNames) {
        const std::size_t after = at + name.size();
        if (StartsWithNoCase(text, at, name) && (after == n || !IsNameChar(static_cast<unsigned char>(text[after])))) {
          emit(kUtf8Name);
          at = after;
          renamed = true;
          break;
        }
      }
      if (renamed) {
        afterNameChar_ = true;
        continue;
      }
    }
    emitConverted(text.substr(at, 1), true);
    afterNameChar_ = IsNameChar(static_cast<unsigned char>(c));
    ++at;
  }
  return at;
}

bool Utf8PageOutput::flushOut() {
  if (outUsed_ > 0 && good_) good_ = sink_.write(out_.get(), outUsed_);
  outUsed_ = 0;
  return good_;
}

namespace {

class StringSink : public OutputFile {
 public:
  explicit StringSink(std::string* bytes) : bytes_(bytes) {}
  bool write(const void* data, std::size_t count) override {
    bytes_->append(static_cast<const char*>(data), count);
    return true;
  }
  bool close() override { return true; }

 private:
  std::string* bytes_;
};

}  // namespace

std::string Utf8Page(std::string_view page) {
  std::string bytes;
  StringSink sink(&bytes);
  Utf8PageOutput output(sink);
  output.write(page.data(), page.size());
  output.close();
  return bytes;
}

}  // namespace mogura
