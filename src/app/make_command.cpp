#include "app/make_command.h"

#include "app/generation_job.h"
#include "base/string_table.h"

namespace mogura {

std::string KindTitle(MailKind kind) {
  switch (kind) {
    case kDiaryKind: return std::string(LoadText(IDS_TITLE_DIARY));
    case kPetMailKind: return std::string(LoadText(IDS_TITLE_PET_MAIL));
    case kEventMailKind: return std::string(LoadText(IDS_TITLE_EVENT_MAIL));
    default: return std::string();
  }
}

std::string OutputPathFor(const AppSettings& settings, const MakeRequest& request, Shell& shell,
                          char separator) {
  if (!request.toDesktop) return request.typedPath;
  const std::string desktop = shell.desktopFolder();
  if (desktop.empty()) return std::string();
  // Half-width parentheses around the drawer name.
  return desktop + separator + KindTitle(settings.kind) + "(" + request.drawer + ").htm";
}

MakeOutcome RunMakeCommand(const AppSettings& settings, const MakeRequest& request, UserInteraction& ui,
                           Shell& shell, FileSystem& files) {
  MakeOutcome outcome;
  {
    WaitCursor wait(ui);
    const std::string outputPath = OutputPathFor(settings, request, shell, files.separator());
    GenerationJob job(settings, ui, files);
    job.setDrawer(request.drawer);
    job.setToDesktop(request.toDesktop);
    outcome.ok = job.run(outputPath);
    outcome.writtenPath = job.writtenPath();
    outcome.files = job.handledFiles();
  }
  if (!outcome.ok) return outcome;  // the job has shown its message, or the user said No
  if (!request.openBrowser || outcome.writtenPath.empty())
    ui.messageBox(std::string(LoadText(IDS_MADE_OK)), MessageIcon::Information);
  else
    shell.openDocument(outcome.writtenPath);  // the shell's answer is not acted upon
  return outcome;
}

}  // namespace mogura
