// The folder-browse dialog of the installation folder page: the system's save dialog in its
// classic form with our template, which shows only the folder list and the drive list.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace mogura::win32 {

// Opens in the current folder with the file type `fileType` and the preset name `fileName`;
// the chosen file's full path (the chosen folder, a backslash and the name), or none when
// cancelled.
std::optional<std::string> BrowseForFolder(HWND owner, std::string_view title, std::string_view fileType,
                                           std::string_view fileName);

}  // namespace mogura::win32
