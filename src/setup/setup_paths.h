// Path texts of the setup program: Windows paths in CP932 with '\\' as separator. Every scan
// steps over double-byte characters, so a trail byte 0x5C ("ソ", "表") is never a separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mogura {

// The separator of the paths setup handles.
inline constexpr char kBackslash = '\\';

// The information file's name: the setup program's name with its last three characters
// replaced by "INF" ("setup.exe" gives "setup.INF").
std::string InfFileNameFor(std::string_view setupFileName);

// "<drive of the Windows folder>\\Program Files\\<folder>\\", or "c:\\<folder>\\" when the
// Windows folder has no drive.
std::string DefaultInstallPath(std::string_view windowsFolder, std::string_view folder);

// The program an uninstall command starts: the quoted path, or the text before its first " /"
// option. None when that holds no backslash.
std::optional<std::string> UninstallProgram(std::string_view uninstallCommand);
// The folder of that program, up to and with its last backslash.
std::optional<std::string> PreviousInstallFolder(std::string_view uninstallCommand);

// One name of a folder or file: not empty, no '\\', '/' or ':', not made of dots and blanks only
// (Windows would read such a name as "." or ".."), and not ending in half a character (the
// backslash put after it would become its trail byte).
bool IsPlainName(std::string_view name);
// A relative path made of plain names only: whatever it names stays inside the folder it is
// put after (no "..", no drive, no leading, doubled or trailing separator).
bool StaysInsideFolder(std::string_view relative);

}  // namespace mogura
