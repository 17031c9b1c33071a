#include <cstdlib>

#include "platform/posix/posix_path.h"
#include "store/user_store.h"
#include "store/regedit4_file.h"

namespace mogura {

bool LoadUserSettingsSnapshot(MemoryTree* tree, std::string* error) {
  std::string folder;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
    folder = config;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    folder = std::string(home) + "/.config";
  } else {
    *error = "neither XDG_CONFIG_HOME nor HOME is set";
    return false;
  }
  std::string path;
  if (!posix::Utf8ToCp932(folder + "/Pikomaru/mogura.reg", &path)) {
    *error = "the settings folder has a name that cannot be used";
    return false;
  }
  Regedit4FileStore store("mogura");
  if (!store.load(path, error)) return false;
  tree->replaceContent(*store.tree());
  return true;
}

}  // namespace mogura
