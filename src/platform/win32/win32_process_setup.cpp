#include "platform/process_setup.h"

namespace mogura {

// The Windows heap needs no preparation.
void PrepareProcess(char**) {}

}  // namespace mogura
