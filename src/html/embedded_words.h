// Embedded words: a word's name between "[@" and "@]" inside a place text, replaced by the
// page writers. No escape, no nesting; names match byte for byte and case-sensitively.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace mogura {

inline constexpr std::string_view kWordOpen = "[@";
inline constexpr std::string_view kWordClose = "@]";

// Gives the value of a word by name, or nullopt when the word is to stay as written.
using WordLookup = std::function<std::optional<std::string>(std::string_view name)>;

// Replaces the embedded words of `text` from left to right: at each "[@" the name runs to
// the next "@]"; a word with a value is replaced and the scan goes on after the inserted
// value (a value is never searched again); any other "[@" stays and the scan goes on right
// after it. An unterminated "[@" and everything after it stay unchanged. Only whole
// characters are matched: a trail byte of a double-byte character never starts or ends a word.
std::string ReplaceWords(std::string_view text, const WordLookup& lookup);

// Replaces every occurrence of the one word `name` by `value`, with the same rules.
std::string ReplaceWord(std::string_view text, std::string_view name, std::string_view value);

}  // namespace mogura
