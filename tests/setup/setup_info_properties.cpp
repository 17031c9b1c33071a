#include "setup/setup_info_properties.h"

#include <algorithm>

#include "base/cp932.h"
#include "base/path_parts.h"
#include "setup/copy_driver.h"
#include "setup/fake_setup_edge.h"
#include "setup/install_wizard.h"
#include "setup/removal_dialog.h"
#include "setup/rename_list.h"
#include "setup/setup_info.h"
#include "setup/setup_paths.h"

namespace mogura::test {
namespace {

// Things of others that no information file may reach.
const std::string kOtherFiles[] = {"C:\\keep.txt", "C:\\Program Files\\Other Product\\keep.txt",
                                   "C:\\WINDOWS\\system32\\setup.exe", "C:\\WINDOWS\\keep.ini", "D:\\setup.exe"};
const std::string kOtherKeys[] = {"Sentinel", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other Product"};

std::string IniViolation(std::string_view info) {
  const IniFile ini(info);
  std::size_t previous = 0;
  for (const IniFile::Section& section : ini.sections()) {
    if (section.begin < previous || section.bodyBegin < section.begin || section.end < section.bodyBegin ||
        section.end > ini.text().size()) {
      return "section out of order or out of the text";
    }
    previous = section.end;
  }
  for (std::string_view section : {kInstallSection, kGroupSection, kRegSection}) {
    for (std::string_view key : {"Title", "Folder", "TSR", "1", "2", "3"}) {
      const std::string value = ini.value(section, key, kLongestName);
      if (value.size() > kLongestName) return "value longer than asked for";
      if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) return "line break in a value";
    }
  }
  return std::string();
}

std::string RenameListViolation(std::string_view info) {
  const auto rewritten = AddDeletionToRenameList(info, "C:\\P.EXE");
  if (!rewritten) return std::string();
  if (!rewritten->ends_with("NUL=C:\\P.EXE\r\n")) return "rename list does not end with the new line";
  if (rewritten->size() > info.size() + kLongestRenameText + 2) return "rename list grew too much";
  if (info.find('\x1A') != std::string_view::npos) return std::string();
  const IniFile after(*rewritten);
  const auto renames = std::count_if(after.sections().begin(), after.sections().end(),
                                     [](const IniFile::Section& s) { return EqualsNoCase(s.name, "Rename"); });
  if (renames != 1 || !EqualsNoCase(after.sections().back().name, "Rename")) return "not one Rename section at the end";
  return std::string();
}

std::string EntryViolation(const SetupContext& context) {
  for (int n = -1; n <= static_cast<int>(context.fileCount) + 1; ++n) {
    const FileEntry entry = ResolveFileEntry(context, n);
    if (!entry.target.starts_with(context.installPath)) return "target outside the installation path";
    if (entry.staysInside && !StaysInsideFolder(std::string_view(entry.target).substr(entry.relativeStart))) {
      return "entry said to stay inside that does not";
    }
  }
  return std::string();
}

// Everything on the disk is as it was, or below the installation folder or a shell folder.
std::string OutsideViolation(MemoryDisk& disk, const std::vector<std::string>& before, const std::string& installPath) {
  for (const std::string& path : disk.below("C:")) {
    if (std::find(before.begin(), before.end(), path) != before.end()) continue;
    if ((path + '\\').starts_with(installPath) || path.starts_with("C:\\Users\\u\\")) continue;
    return "made outside the installation folder: " + path;
  }
  return std::string();
}

// Group entries resolve below the installation folder, and the list ends at the first entry
// without a comma.
std::string GroupViolation(const SetupContext& context) {
  for (unsigned n = 1; n <= context.groupCount + 1; ++n) {
    const GroupEntry entry = ResolveGroupEntry(context, n);
    if (!entry.target.starts_with(context.installPath)) return "group target outside the installation path";
    if (n > context.groupCount && entry.target != context.installPath) return "group list goes on past its count";
  }
  return std::string();
}

// A machine in memory with others' files and keys, and `info` as the information file beside
// the setup program.
void FurnishMachine(FakeSetup& setup, std::string_view info) {
  for (const std::string& path : kOtherFiles) setup.disk.addFile(path, "others");
  setup.registry.addKey(RegistryRoot::CurrentUser, kOtherKeys[0]);
  setup.registry.addKey(RegistryRoot::LocalMachine, kOtherKeys[1]);
  setup.disk.addFile("D:\\setup.INF", std::string(info));
  setup.disk.addFile("D:\\mogura.exe");
}

// Reads the file as the setup program starts; `*prepared` tells whether it was taken.
std::string ReadViolation(std::string_view info, FakeSetup& setup, SetupContext* context, bool* prepared) {
  *prepared = false;
  std::string violation = IniViolation(info);
  if (violation.empty()) violation = RenameListViolation(info);
  if (!violation.empty()) return violation;
  SetupCommand command;
  if (!PrepareSetup(setup.edge, "", &command, context)) {
    return setup.ui.texts() == std::vector<std::string>{Text(IDS_SETUP_INFO_BROKEN)} ? std::string()
                                                                                        : "refused without its message";
  }
  *prepared = true;
  if (!EndsWithSeparator(context->installPath, kBackslash)) return "installation path without a backslash";
  violation = EntryViolation(*context);
  return violation.empty() ? GroupViolation(*context) : violation;
}

}  // namespace

std::string SetupInfoReadViolation(std::string_view info) {
  FakeSetup setup;
  FurnishMachine(setup, info);
  SetupContext context;
  bool prepared = false;
  return ReadViolation(info, setup, &context, &prepared);
}

std::string SetupInfoViolation(std::string_view info) {
  FakeSetup setup;
  FurnishMachine(setup, info);
  const std::vector<std::string> before = setup.disk.below("C:");
  SetupContext context;
  bool prepared = false;
  std::string violation = ReadViolation(info, setup, &context, &prepared);
  if (!violation.empty() || !prepared) return violation;

  InstallWizard wizard(setup.edge, context);
  if (!wizard.leaveFolderPage(context.installPath)) return "the proposed folder was refused";
  CopyDriver driver(setup.edge, context);
  unsigned steps = 0;
  while (!driver.runStep().last) {
    if (++steps > context.fileCount + 3) return "copy page runs too many steps";
  }
  violation = OutsideViolation(setup.disk, before, context.installPath);
  if (!violation.empty()) return violation;

  setup.system.module = "C:\\WINDOWS\\system32\\setup-copy-1.exe";
  SetupCommand command;
  SetupContext removing;
  if (PrepareSetup(setup.edge, "x " + context.installPath + context.setupFileName, &command, &removing)) {
    setup.ui.answer = MessageAnswer::Yes;
    RunRemovalWork(setup.edge, removing);
  }
  for (const std::string& path : kOtherFiles) {
    if (setup.disk.bytesOf(path) != "others") return "another's file was touched: " + path;
  }
  if (!setup.registry.hasKey(RegistryRoot::CurrentUser, kOtherKeys[0]) ||
      !setup.registry.hasKey(RegistryRoot::LocalMachine, kOtherKeys[1])) {
    return "another's registry key was deleted";
  }
  return std::string();
}

}  // namespace mogura::test
