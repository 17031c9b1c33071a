// Process-wide preparation of the command-line program, before it does anything else.
#pragma once

namespace mogura {

// May start the program anew with a better set-up of the process (see the implementations);
// returns when there is nothing to change or the restart is not possible.
void PrepareProcess(char** argv);

}  // namespace mogura
