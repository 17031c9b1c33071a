// The component library session that mogura.exe holds on its user-interface thread for its
// whole life (the shell's folder browser requires it there).
#include <gtest/gtest.h>

#include <thread>

#include "platform/win32/com_ptr.h"

namespace mogura::win32 {
namespace {

// True when the calling thread is in a single-threaded apartment (the first one of the
// process counts as the main one).
bool InSingleThreadedApartment() {
  APTTYPE type = APTTYPE_CURRENT;
  APTTYPEQUALIFIER qualifier = APTTYPEQUALIFIER_NONE;
  return CoGetApartmentType(&type, &qualifier) == S_OK && (type == APTTYPE_STA || type == APTTYPE_MAINSTA);
}

TEST(ComSession, MakesTheThreadASingleThreadedApartmentForItsLifetime) {
  std::thread([] {
    EXPECT_FALSE(InSingleThreadedApartment());
    {
      ComSession session;
      EXPECT_TRUE(InSingleThreadedApartment());
      {
        ComSession nested;  // a second session on the same thread, as the shell link code opens
        EXPECT_TRUE(InSingleThreadedApartment());
      }
      EXPECT_TRUE(InSingleThreadedApartment());
    }
    EXPECT_FALSE(InSingleThreadedApartment());
  }).join();
}

}  // namespace
}  // namespace mogura::win32
