// The preview of a format page being customized: the page written as the make command would
// write it after the sheets' OK, with the mails of the drawer chosen in the main dialog (or
// samples of our own), into a folder of its own below the user's temporary folder, and opened
// with the shell. It never writes into the output folder, the receive folder or the settings.
#pragma once

#include <cstddef>
#include <string>

#include "mailstore/mail_list.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/user_interaction.h"
#include "settings/app_settings.h"
#include "presenters/honki_sheet.h"
#include "presenters/html_sheet.h"

namespace mogura {

// A preview shows at most this many mails, the newest ones.
inline constexpr std::size_t kPreviewMailCount = 20;

// The settings a preview writes with: the receive folder and the kind of the main dialog's
// `settings`, everything else from the advanced sheet's working copies (pickup conditions and
// sort direction, division, page titles, publishing options), as a make after the sheet's OK
// would use them. A preview writes no feed and rewrites every file.
AppSettings PreviewSettingsOf(const AppSettings& settings, const HonkiSheetPresenter& sheet);

// The mails of a preview: those the make command picks from `drawer` of the active receive
// folder of `settings`, at most the newest kPreviewMailCount, in the settings' sort direction.
// The samples of the settings' kind when the drawer cannot be read or gives no mail.
MailList PreviewMails(const AppSettings& settings, const std::string& drawer, FileSystem& files);

// A few mails of our own making of `kind` (diary pages, a pet's mail or event mail, in
// Japanese, over two months), with a subject and several body lines each, so that every place
// of a page shows; sorted oldest first when `oldestFirst`. Any kind but the diary and event
// mail gets a pet's mail.
MailList SampleMails(MailKind kind, bool oldestFirst);

// The folder previews are written into, made below the user's temporary folder at the first
// preview under a name no one else holds. It holds only the preview's files: they are removed
// at the next preview, and the folder goes with the object (the program's end).
class PreviewFolder {
 public:
  // `temporaryFolder` ends in the platform's separator; empty: no preview can be written.
  PreviewFolder(FileSystem& files, std::string temporaryFolder);
  ~PreviewFolder();
  PreviewFolder(const PreviewFolder&) = delete;
  PreviewFolder& operator=(const PreviewFolder&) = delete;

  // Makes the folder, or removes what an earlier preview left in it; false when no empty
  // folder of our own can be had.
  bool Empty();
  // The folder, ending in the separator; empty until Empty() first made it.
  const std::string& path() const { return path_; }

 private:
  void RemoveFiles();

  FileSystem& files_;
  std::string parent_;
  std::string path_;
};

// The previewer of the customization sheet opened from the advanced sheet.
class FormatPreview : public FormatPreviewer {
 public:
  // The file name of the page a preview opens; divided pages are named after it.
  static constexpr const char* kPageName = "preview.htm";

  // Everything is borrowed: the main dialog's `settings` and chosen `drawer`, the advanced
  // sheet whose working copies apply, the folder and the platform edges.
  FormatPreview(const AppSettings& settings, std::string drawer, const HonkiSheetPresenter& sheet,
                PreviewFolder& folder, UserInteraction& ui, Shell& shell, FileSystem& files);

  // Writes the page (a Mail page with the preview's mails; an Index page with the pages of
  // those mails beside it, divided as the settings say or by month when division is off)
  // under the wait cursor, then opens it. A failure is shown as the make command shows it.
  void Preview(const HtmlFormat& format, std::size_t page) override;

  // The page the last preview opened; empty when it failed.
  const std::string& shownPath() const { return shown_; }

 private:
  const AppSettings& settings_;
  const std::string drawer_;
  const HonkiSheetPresenter& sheet_;
  PreviewFolder& folder_;
  UserInteraction& ui_;
  Shell& shell_;
  FileSystem& files_;
  std::string shown_;
};

}  // namespace mogura
