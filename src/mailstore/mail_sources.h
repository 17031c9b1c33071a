// The drawers of a receive folder: listing them, choosing the remembered one, and the path
// of a chosen drawer. A receive folder path ends in the platform's separator.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace mogura {

// The titles (file names without their last extension) of the drawer files "*.krm" in
// `receiveFolder`, in the order of the platform's directory search; not sorted. Empty when
// the folder is missing or holds none. The extension matches without regard to ASCII case on
// every platform, as the Windows search does.
std::vector<std::string> listDrawers(const std::string& receiveFolder, FileSystem& files = HostFileSystem());

// receiveFolder + title + ".krm"; no separator is added.
std::string drawerPath(std::string_view receiveFolder, std::string_view title);

// The first title that begins with `remembered` (ASCII letters without regard to case,
// double-byte characters byte for byte); nothing when none does.
std::optional<std::size_t> selectDrawer(const std::vector<std::string>& titles, std::string_view remembered);

}  // namespace mogura
