#include "presenters/line_breaks.h"

#include "base/cp932.h"

namespace mogura {

std::string ToEditLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(text[i]) && i + 1 < text.size()) {
      out += text[i];
      out += text[++i];
    } else {
      if (text[i] == '\n') out += '\r';
      out += text[i];
    }
  }
  return out;
}

std::string FromEditLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(text[i]) && i + 1 < text.size()) {
      out += text[i];
      out += text[++i];
    } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      out += '\n';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace mogura
