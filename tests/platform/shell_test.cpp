#include "platform/shell.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace mogura {
namespace {

#ifndef _WIN32
// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(PosixShell, DesktopComesFromXdgDesktopDirElseHome) {
  ScopedEnv home("HOME", "/home/mogu");
  {
    ScopedEnv xdg("XDG_DESKTOP_DIR", "/srv/\xe3\x81\xa7\xe3\x81\x99\xe3\x81\x8f/");  // "/srv/ですく/"
    // UTF-8 from the environment becomes CP932; the trailing separator is dropped.
    EXPECT_EQ(HostShell().desktopFolder(), "/srv/\x82\xC5\x82\xB7\x82\xAD");
  }
  ScopedEnv noXdg("XDG_DESKTOP_DIR", nullptr);
  EXPECT_EQ(HostShell().desktopFolder(), "/home/mogu/Desktop");
  ScopedEnv noHome("HOME", nullptr);
  EXPECT_EQ(HostShell().desktopFolder(), "");
}
#else
TEST(Win32Shell, DesktopIsAFolderOfTheUser) {
  const std::string desktop = HostShell().desktopFolder();
  ASSERT_FALSE(desktop.empty());
  EXPECT_NE(desktop.back(), '\\');
}
#endif

}  // namespace
}  // namespace mogura
