// The rename list of the Windows start-up file WININIT.INI, the fallback of the deletion at
// the next restart on systems that do not take it themselves.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mogura {

// The rename list is built as one text of at most this many bytes...
inline constexpr std::size_t kLongestRenameText = 32768;
// ...and given up on when its existing lines alone exceed this many.
inline constexpr std::size_t kLongestKeptRenameLines = 30000;

// The file's new bytes with "NUL=<shortPath>" added to its "[Rename]" section: the existing
// lines of every Rename section are kept byte for byte, in order, in one section written at the
// end of the file (over a final end-of-file mark 0x1A); everything else stays as it was.
// None when the list is too long: then nothing may change.
std::optional<std::string> AddDeletionToRenameList(std::string_view file, std::string_view shortPath);

}  // namespace mogura
