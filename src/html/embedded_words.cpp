#include "html/embedded_words.h"

#include "base/cp932.h"

namespace mogura {

namespace {

bool StartsAt(std::string_view text, std::size_t i, std::string_view what) {
  return text.substr(i, what.size()) == what;
}

// First "@]" at a character boundary at or after `from` (itself a boundary); npos if none.
std::size_t FindClose(std::string_view text, std::size_t from) {
  for (std::size_t i = from; i < text.size(); i += CharLengthAt(text, i)) {
    if (StartsAt(text, i, kWordClose)) return i;
  }
  return std::string_view::npos;
}

}  // namespace

std::string ReplaceWords(std::string_view text, const WordLookup& lookup) {
  std::string out;
  out.reserve(text.size());
  std::size_t close = 0;  // the last close found; reused while it still lies ahead
  bool closeKnown = false;
  std::size_t i = 0;
  while (i < text.size()) {
    if (!StartsAt(text, i, kWordOpen)) {
      const std::size_t n = CharLengthAt(text, i);
      out.append(text.substr(i, n));
      i += n;
      continue;
    }
    const std::size_t nameStart = i + kWordOpen.size();
    if (!closeKnown || close < nameStart) {
      close = FindClose(text, nameStart);
      closeKnown = true;
    }
    if (close == std::string_view::npos) break;  // unterminated: the rest stays as it is
    if (std::optional<std::string> value = lookup(text.substr(nameStart, close - nameStart))) {
      out += *value;
      i = close + kWordClose.size();
    } else {
      out.append(kWordOpen);
      i = nameStart;
    }
  }
  if (i < text.size()) out.append(text.substr(i));
  return out;
}

std::string ReplaceWord(std::string_view text, std::string_view name, std::string_view value) {
  return ReplaceWords(text, [&](std::string_view word) -> std::optional<std::string> {
    if (word == name) return std::string(value);
    return std::nullopt;
  });
}

}  // namespace mogura
