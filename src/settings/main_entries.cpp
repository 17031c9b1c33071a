#include "settings/main_entries.h"

#include "base/string_table.h"

namespace mogura {

void MainEntries::Load(const SettingsKey& root) {
  if (!root.readText("TargetBox", &targetBox)) {
    targetBox = std::string(LoadText(IDS_RECEIVED_MAIL));
    outputDesktop = 1;
    execBrowser = 1;
  } else {
    outputDesktop = 0;
    execBrowser = 0;
  }
  root.readInt("OutputDesktop", &outputDesktop);
  root.readText("OutputKossoriDialy", &outputDiary);
  root.readText("OutputPetMail", &outputPetMail);
  root.readText("OutputEventMail", &outputEvent);
  root.readInt("ExecBrowser", &execBrowser);
  root.readInt("ExitQuery", &exitQuery);
  root.readInt("ExitSaving", &exitSaving);
}

bool MainEntries::Save(const SettingsKey& root) const {
  bool ok = root.writeText("TargetBox", targetBox);
  ok &= root.writeInt("OutputDesktop", outputDesktop);
  ok &= root.writeText("OutputKossoriDialy", outputDiary);
  ok &= root.writeText("OutputPetMail", outputPetMail);
  ok &= root.writeText("OutputEventMail", outputEvent);
  ok &= root.writeInt("ExecBrowser", execBrowser);
  ok &= root.writeInt("ExitQuery", exitQuery);
  ok &= root.writeInt("ExitSaving", exitSaving);
  return ok;
}

void MainEntries::RemoveObsolete(const SettingsKey& root) const {
  std::string stored;
  if (root.readText("TargetBox", &stored)) root.deleteValue("OutputFile");
}

const std::string& MainEntries::outputPath(MailKind kind) const {
  static const std::string kNone;
  switch (kind) {
    case kDiaryKind: return outputDiary;
    case kPetMailKind: return outputPetMail;
    case kEventMailKind: return outputEvent;
    default: return kNone;
  }
}

void MainEntries::setOutputPath(MailKind kind, const std::string& path) {
  switch (kind) {
    case kDiaryKind: outputDiary = path; break;
    case kPetMailKind: outputPetMail = path; break;
    case kEventMailKind: outputEvent = path; break;
    default: break;
  }
}

}  // namespace mogura
