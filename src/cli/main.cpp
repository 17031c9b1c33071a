// mogura-cli: the headless front end of the generation job.
#include "cli/cli.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/process_setup.h"
#include "store/user_store.h"

int main(int argc, char** argv) {
  using namespace mogura;
  PrepareProcess(argv);
  SetLocalClock(&HostLocalNow);
  std::vector<std::string> args = CommandLineArguments(argc, argv);
  if (!args.empty()) args.erase(args.begin());  // the program name
  CliPlatform platform{HostFileSystem(), HostShell(),
                       [](ConsoleStream stream, std::string_view text) { ConsoleWrite(stream, text); },
                       &LoadUserSettingsSnapshot};
  return RunCli(args, platform);
}
