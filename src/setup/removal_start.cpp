#include "setup/removal_start.h"

#include "base/cp932.h"
#include "base/path_parts.h"
#include "base/string_table.h"
#include "setup/setup_paths.h"
#include "setup/setup_text.h"

namespace mogura {
namespace {

// Candidate names tried before giving up; each one taken is a copy left by an earlier removal
// that still waits for its restart.
constexpr unsigned kCopyNameCandidates = 100;

std::string ConfirmationText(const SetupContext& context) {
  std::string text = Concat({context.title, LoadText(IDS_SETUP_CONFIRM_REMOVAL)});
  if (context.isResident) text += LoadText(IDS_SETUP_RESIDENT_NOTE);
  return text;
}

// The copy's path, or empty when no free name could be copied to.
std::string CopyIntoSystemFolder(SetupEdge& edge, const SetupContext& context, const std::string& systemFolder) {
  for (unsigned k = 1; k <= kCopyNameCandidates; ++k) {
    const std::string copy = systemFolder + RemoverCopyName(context.setupFileName, context.folder, k);
    const CopyOutcome outcome = edge.files.copy(context.modulePath, copy, false);
    if (outcome == CopyOutcome::Copied) return copy;
    if (outcome != CopyOutcome::TargetExists) break;
  }
  return std::string();
}

}  // namespace

std::string RemoverCopyName(std::string_view setupFileName, std::string_view folder, unsigned k) {
  const std::size_t dot = FindLastCharDbcs(setupFileName, '.');
  const std::string_view stem = setupFileName.substr(0, dot);
  const std::string_view extension = dot == std::string_view::npos ? std::string_view() : setupFileName.substr(dot);
  return Concat({stem, "-", folder, "-", std::to_string(k), extension});
}

bool StartRemoval(SetupEdge& edge, const SetupContext& context) {
  if (edge.ui.messageBoxWithCaption(ConfirmationText(context), context.title, MessageIcon::Information,
                                    MessageButtons::OkCancel, MessageAnswer::Ok) != MessageAnswer::Ok) {
    return false;
  }
  const std::string systemFolder = WithTrailingSeparator(edge.system.systemFolder(), kBackslash);
  const std::string copy = CopyIntoSystemFolder(edge, context, systemFolder);
  bool started = false;
  if (!copy.empty()) {
    edge.files.setCurrentFolder(systemFolder);
    started = edge.shell.startProgram(copy, Concat({"x ", context.modulePath}));
    if (!started) edge.files.removeFile(copy);  // ours, and no one will ever run it
  }
  if (!started) ShowError(edge.ui, std::string(LoadText(IDS_SETUP_REMOVER_NOT_STARTED)));
  return started;
}

}  // namespace mogura
