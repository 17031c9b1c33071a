#include "setup/setup_paths.h"

#include <gtest/gtest.h>

#include "base/path_parts.h"
#include "setup/command_line.h"

namespace mogura {
namespace {

// "ソ" and "表": double-byte characters whose trail byte is a backslash.
const std::string kSo = "\x83\x5C";
const std::string kHyo = "\x95\x5C";

TEST(SetupPaths, TrailingBackslashOfItsOwnOnly) {
  EXPECT_EQ(WithTrailingSeparator("C:\\mogura", kBackslash), "C:\\mogura\\");
  EXPECT_EQ(WithTrailingSeparator("C:\\mogura\\", kBackslash), "C:\\mogura\\");
  EXPECT_EQ(WithTrailingSeparator("", kBackslash), "\\");
  // A folder name ending in "ソ" ends in the byte 0x5C, which is not a separator.
  EXPECT_EQ(WithTrailingSeparator("C:\\" + kSo, kBackslash), "C:\\" + kSo + "\\");
  EXPECT_EQ(WithTrailingSeparator("C:\\" + kSo + "\\", kBackslash), "C:\\" + kSo + "\\");
  EXPECT_EQ(WithoutTrailingSeparator("C:\\" + kHyo, kBackslash), "C:\\" + kHyo);
  EXPECT_EQ(WithoutTrailingSeparator("C:\\" + kHyo + "\\", kBackslash), "C:\\" + kHyo);
}

TEST(SetupPaths, DriveRoots) {
  EXPECT_TRUE(IsDriveRoot("c:\\"));
  EXPECT_FALSE(IsDriveRoot("c:\\a"));
  EXPECT_FALSE(IsDriveRoot("1:\\"));
  EXPECT_TRUE(StartsWithDriveRoot("Z:\\x"));
  EXPECT_FALSE(StartsWithDriveRoot("\\\\server\\share"));
  EXPECT_FALSE(StartsWithDriveRoot("C:x"));
}

TEST(SetupPaths, SplitAtTheLastRealBackslash) {
  // A file name holding "表": a backward byte scan would cut inside it.
  const PathParts parts = SplitPath("D:\\dist\\" + kHyo + "setup.exe", kBackslash);
  EXPECT_EQ(parts.parent(), "D:\\dist\\");
  EXPECT_EQ(parts.fileName(), kHyo + "setup.exe");
  EXPECT_EQ(SplitPath("setup.exe", kBackslash).parent(), "");
  EXPECT_EQ(SplitPath("setup.exe", kBackslash).fileName(), "setup.exe");
}

TEST(SetupPaths, InformationFileNameReplacesTheLastThreeCharacters) {
  EXPECT_EQ(InfFileNameFor("setup.exe"), "setup.INF");
  EXPECT_EQ(InfFileNameFor("SETUP.EXE"), "SETUP.INF");
  EXPECT_EQ(InfFileNameFor("install"), "instINF");
  // Characters, not bytes: a name ending in double-byte characters loses three whole ones.
  EXPECT_EQ(InfFileNameFor("ab" + kSo + kHyo + "c"), "abINF");
  EXPECT_EQ(InfFileNameFor("ab"), "INF");
  EXPECT_EQ(InfFileNameFor(""), "INF");
}

TEST(SetupPaths, DefaultInstallationPath) {
  EXPECT_EQ(DefaultInstallPath("E:\\WINNT", "mogura"), "E:\\Program Files\\mogura\\");
  EXPECT_EQ(DefaultInstallPath("\\\\srv\\windows", "mogura"), "c:\\mogura\\");
  EXPECT_EQ(DefaultInstallPath("", "mogura"), "c:\\mogura\\");
}

TEST(SetupPaths, PreviousInstallationFolderFromTheUninstallCommand) {
  EXPECT_EQ(PreviousInstallFolder("\"C:\\Program Files\\mogura\\setup.exe\" /r"), "C:\\Program Files\\mogura\\");
  EXPECT_EQ(PreviousInstallFolder("C:\\mogura\\setup.exe /r"), "C:\\mogura\\");
  // Unquoted with blanks in the path: the option, not the first blank, ends the program's path.
  EXPECT_EQ(PreviousInstallFolder("C:\\Program Files\\mogura\\setup.exe /r"), "C:\\Program Files\\mogura\\");
  EXPECT_EQ(PreviousInstallFolder("C:\\Program Files\\mogura\\setup.exe"), "C:\\Program Files\\mogura\\");
  EXPECT_EQ(PreviousInstallFolder("\"C:\\mogura\\setup.exe"), "C:\\mogura\\");
  EXPECT_EQ(PreviousInstallFolder("\"C:\\" + kSo + "\\setup.exe\" /r"), "C:\\" + kSo + "\\");
  EXPECT_EQ(PreviousInstallFolder("C:\\" + kSo + "\\" + kHyo + ".exe /r"), "C:\\" + kSo + "\\");
  EXPECT_FALSE(PreviousInstallFolder("setup.exe /r"));
  EXPECT_FALSE(PreviousInstallFolder(""));
  // The program itself, as the removal compares it with the running one.
  EXPECT_EQ(UninstallProgram("\"C:\\Program Files\\mogura\\setup.exe\" /r"),
            "C:\\Program Files\\mogura\\setup.exe");
  EXPECT_EQ(UninstallProgram("C:\\Program Files\\" + kHyo + "\\setup.exe /r"),
            "C:\\Program Files\\" + kHyo + "\\setup.exe");
  EXPECT_FALSE(UninstallProgram("\"setup.exe\" /r"));
}

TEST(SetupPaths, OnlyPlainNamesStayInsideTheFolder) {
  for (const char* inside : {"mogura.exe", "doc\\guide.htm", "a\\b\\c.txt", ".profile", "a..b"}) {
    EXPECT_TRUE(StaysInsideFolder(inside)) << inside;
  }
  for (const char* outside : {"", "..\\x.exe", "a\\..\\..\\x", "\\Windows\\x.exe", "C:\\x.exe", "C:x.exe",
                              "a\\", "a\\\\b", "../x", "a/../../x", "...\\x", ". .\\x", "file:stream"}) {
    EXPECT_FALSE(StaysInsideFolder(outside)) << outside;
  }
  EXPECT_TRUE(StaysInsideFolder(kSo + "\\" + kHyo));  // trail bytes are no separators
  EXPECT_TRUE(IsPlainName(kSo));
  EXPECT_FALSE(IsPlainName(".."));
  EXPECT_FALSE(IsPlainName("mogura\x83"));  // with a backslash after it, it would read as "moguraソ"
}

TEST(SetupCommandLine, Modes) {
  EXPECT_EQ(ParseCommandLine("").mode, SetupMode::Install);
  EXPECT_EQ(ParseCommandLine("/").mode, SetupMode::Install);
  EXPECT_EQ(ParseCommandLine("hello").mode, SetupMode::Install);
  EXPECT_EQ(ParseCommandLine("X C:\\a\\setup.exe").mode, SetupMode::Install);  // only "x"
  EXPECT_EQ(ParseCommandLine("//r").mode, SetupMode::Install);                 // one slash only
  for (const char* removal : {"r", "R", "/r", "/R", "remove"}) {
    EXPECT_EQ(ParseCommandLine(removal).mode, SetupMode::StartRemoval) << removal;
  }
  SetupCommand command = ParseCommandLine("x C:\\Program Files\\mogura\\setup.exe");
  EXPECT_EQ(command.mode, SetupMode::Remove);
  EXPECT_EQ(command.path, "C:\\Program Files\\mogura\\setup.exe");
  EXPECT_EQ(ParseCommandLine("/x C:\\m\\setup.exe").path, "C:\\m\\setup.exe");
  EXPECT_EQ(ParseCommandLine("x \"C:\\m\\setup.exe\"").path, "C:\\m\\setup.exe");
  EXPECT_EQ(ParseCommandLine("x").path, "");
}

TEST(SetupCommandLine, ArgumentsFollowTheProgramNameQuotedOrNot) {
  EXPECT_EQ(ArgumentsAfterProgramName("\"C:\\Program Files\\mogura\\setup.exe\" /r"), "/r");
  EXPECT_EQ(ArgumentsAfterProgramName("\"C:\\a b\\setup.exe\"/r"), "/r");
  EXPECT_EQ(ArgumentsAfterProgramName("C:\\WINDOWS\\system32\\setup-mogura-1.exe  x C:\\Program Files\\m\\setup.exe"),
            "x C:\\Program Files\\m\\setup.exe");
  EXPECT_EQ(ArgumentsAfterProgramName("setup.exe\tr"), "r");
  EXPECT_EQ(ArgumentsAfterProgramName("setup.exe"), "");
  EXPECT_EQ(ArgumentsAfterProgramName("\"setup.exe"), "");  // no closing quote: all name
  EXPECT_EQ(ArgumentsAfterProgramName(""), "");
  EXPECT_EQ(ArgumentsAfterProgramName("\"C:\\" + kHyo + "\\setup.exe\" x C:\\" + kHyo + "\\setup.exe"),
            "x C:\\" + kHyo + "\\setup.exe");
}

}  // namespace
}  // namespace mogura
