// A large drawer keeps its mails in many small heap blocks: with the C library's default heap,
// every 4 KiB page of them costs a page fault, and for 100,000 mails those faults take as long
// as reading and writing everything else. Asked through its tunable, glibc's allocator backs
// its heap with transparent huge pages, which cuts the faults to a few hundred. Tunables are
// read only at start-up, so the program restarts itself once with the tunable set.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/process_setup.h"

namespace mogura {

void PrepareProcess(char** argv) {
  constexpr const char* kMarker = "MOGURA_PROCESS_PREPARED";
  constexpr const char* kTunable = "glibc.malloc.hugetlb=1";
  if (std::getenv(kMarker) != nullptr || argv == nullptr || argv[0] == nullptr) return;
  const char* current = std::getenv("GLIBC_TUNABLES");
  if (current != nullptr && std::strstr(current, "glibc.malloc.hugetlb") != nullptr) return;
  std::string tunables = current != nullptr && *current ? std::string(current) + ":" + kTunable : kTunable;
  if (setenv(kMarker, "1", 1) != 0 || setenv("GLIBC_TUNABLES", tunables.c_str(), 1) != 0) return;
  execv("/proc/self/exe", argv);
  // Not restarted (no /proc, for one): go on as we are, only a little slower.
}

}  // namespace mogura
