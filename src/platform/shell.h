// The shell part of the platform edge. Paths are CP932 bytes.
#pragma once

#include <string>

namespace mogura {

// How a start for the signed-in user went.
enum class UserStart {
  Started,
  Failed,     // the system could not start it: no such file, or no program
  NotAsUser,  // only the program's own (administrator) rights could have started it: left alone
};

class Shell {
 public:
  virtual ~Shell() = default;
  // The user's file-system desktop folder, without a trailing separator; empty when unknown.
  virtual std::string desktopFolder() = 0;
  // Opens a document with the program associated with it (the browser for HTML pages).
  virtual bool openDocument(const std::string& path) = 0;

  // The starts of the setup program; a shell that starts no programs refuses them.
  // Starts `program` in a normal window, with `arguments` after its quoted path on its command
  // line, in the current folder, with the running program's own rights. False when the system
  // cannot start it.
  virtual bool startProgram(const std::string& /*program*/, const std::string& /*arguments*/) {
    return false;
  }
  // Starts `program`, or opens `document` with the program associated with it, in a normal
  // window in the current folder, for the signed-in user: never with rights the user's own
  // programs do not have.
  virtual UserStart startProgramForUser(const std::string& /*program*/) { return UserStart::Failed; }
  virtual UserStart openDocumentForUser(const std::string& /*document*/) { return UserStart::Failed; }
};

// The shell of the platform the program runs on.
Shell& HostShell();

}  // namespace mogura
