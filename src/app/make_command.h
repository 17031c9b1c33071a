// The make command as both front ends run it: the output path rule, the job, then the
// success message or the written file opened in the browser.
#pragma once

#include <string>
#include <vector>

#include "app/generation_job.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/user_interaction.h"
#include "settings/app_settings.h"

namespace mogura {

struct MakeRequest {
  std::string drawer;       // drawer title
  bool toDesktop = false;   // write onto the desktop
  std::string typedPath;    // the output path the user typed or chose (not on the desktop)
  bool openBrowser = false; // open the written file instead of the success message
};

// The output path: the typed path, or on the desktop the kind's title and the drawer name,
// e.g. <desktop>\ペットからのメール(受信メール).htm. Empty when the desktop is unknown.
std::string OutputPathFor(const AppSettings& settings, const MakeRequest& request, Shell& shell,
                          char separator);

struct MakeOutcome {
  bool ok = false;
  std::string writtenPath;  // the file the job names for the browser, or empty
  std::vector<HandledFile> files;  // every file the job wrote or kept, in the order handled
};

// Runs the whole command under the wait cursor.
MakeOutcome RunMakeCommand(const AppSettings& settings, const MakeRequest& request, UserInteraction& ui,
                           Shell& shell, FileSystem& files = HostFileSystem());

// The title of `kind` used in desktop file names; empty for an unknown kind.
std::string KindTitle(MailKind kind);

}  // namespace mogura
