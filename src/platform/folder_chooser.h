// The folder browser of the platform, as the presenters use it. Paths are CP932 bytes.
#pragma once

#include <string>
#include <string_view>

namespace mogura {

class FolderChooser {
 public:
  virtual ~FolderChooser() = default;
  // Shows the folder browser titled `title` with `initial` preselected. True with `*folder`
  // set (ending in a backslash) when the user chose a file-system folder; false on Cancel.
  virtual bool choose(const std::string& title, const std::string& initial, std::string* folder) = 0;
};

// The folder to preselect for a stored folder: an empty text and a drive root ("C:\") stay;
// any other text ending in a backslash loses that one backslash.
std::string InitialFolderForBrowser(std::string_view folder);

}  // namespace mogura
