// The running system as the setup program sees it: its folders, its version and the start of
// programs.
#pragma once

#include <string>

namespace mogura {

// How a start for the signed-in user went.
enum class UserStart {
  Started,
  Failed,     // the system could not start it: no such file, or no program
  NotAsUser,  // only the setup program's own (administrator) rights could have started it: left alone
};

class SetupSystem {
 public:
  virtual ~SetupSystem() = default;
  // The full path of the running setup program.
  virtual std::string modulePath() = 0;
  // The Windows folder and the system folder, as the system gives them (no trailing backslash
  // unless they are a drive root).
  virtual std::string windowsFolder() = 0;
  virtual std::string systemFolder() = 0;
  // The operating system's major version (4 and above have shell folders).
  virtual unsigned majorVersion() = 0;
  // Starts `program` in a normal window, with `arguments` after its quoted path on its command
  // line, in the current folder, with the setup program's own rights. False when the system
  // cannot start it.
  virtual bool startProgram(const std::string& program, const std::string& arguments) = 0;
  // Starts `program`, or opens `document` with the program associated with it, in a normal
  // window in the current folder, for the signed-in user: never with rights the user's own
  // programs do not have.
  virtual UserStart startProgramForUser(const std::string& program) = 0;
  virtual UserStart openDocumentForUser(const std::string& document) = 0;
};

}  // namespace mogura
