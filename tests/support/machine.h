// A whole machine in memory for the tests: its disk, its user (message boxes and the wait
// cursor), its shell and its folder browser. The desktop is a folder on the disk.
//
//   Machine machine;
//   machine.disk.addFile("C:\\mail\\a.krm", bytes);
//   machine.ui.answer = MessageAnswer::Yes;
//   RunMakeCommand(settings, request, machine.ui, machine.shell, machine.disk);
#pragma once

#include "support/memory_disk.h"
#include "support/recording_shell.h"
#include "support/scripted_folder_chooser.h"
#include "support/scripted_interaction.h"

namespace mogura::test {

struct Machine {
  Machine() {
    shell.desktop = "C:\\Users\\user\\Desktop";
    disk.addFolder(shell.desktop);
  }

  MemoryDisk disk;
  ScriptedInteraction ui;
  RecordingShell shell;
  ScriptedFolderChooser chooser;
};

}  // namespace mogura::test
