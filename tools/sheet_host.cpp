// Opens the advanced settings sheet over a settings file, for trying the sheets by hand:
//   sheet_host FILE.reg
// On OK the settings are written back into the file (as the program saves them); on Cancel
// the file is left alone. Not part of the distribution.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "presenters/format_preview.h"
#include "settings/main_entries.h"
#include "platform/clock.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_user_interaction.h"
#include "settings/app_settings.h"
#include "store/regedit4_file.h"
#include "ui/win32/dialog.h"
#include "ui/win32/honki_sheet_view.h"

int main() {
  using namespace mogura;
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  win32::Win32Interaction interaction;
  UserInteraction& ui = interaction;
  if (argc != 2) {
    ui.messageBox("sheet_host FILE.reg", MessageIcon::Information);
    return 2;
  }
  const std::string path = win32::FromWide(argv[1]);
  LocalFree(argv);
  SetLocalClock(&HostLocalNow);
  win32::InitDialogControls();

  Regedit4FileStore store;
  std::string error;
  if (!store.load(path, &error)) {
    ui.messageBox(path + "\n" + error, MessageIcon::Error);
    return 2;
  }
  AppSettings settings;
  settings.Load(store.root());
  // Format previews show the drawer the main window would have chosen.
  MainEntries entries;
  entries.Load(store.root());
  PreviewFolder previewFolder(HostFileSystem(), UserTemporaryFolder());
  if (!win32::RunHonkiSheet(nullptr, settings, entries.targetBox, previewFolder)) return 1;
  if (!settings.Save(store.root()) || !store.save()) {
    ui.messageBox(path, MessageIcon::Error);
    return 1;
  }
  return 0;
}
