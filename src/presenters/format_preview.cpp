#include "presenters/format_preview.h"

#include <span>

#include "app/generation_job.h"
#include "base/string_table.h"
#include "mailstore/mail_picker.h"
#include "mailstore/mail_sources.h"
#include "mailstore/split_lines.h"

namespace mogura {
namespace {

// One sample mail: its texts from the string table and its date.
struct Sample {
  int subject;  // 0: the subject of a diary page
  int body;
  int month, day, hour, minute;
};

constexpr int kSampleYear = 2026;

constexpr Sample kDiaryPages[] = {
    {0, IDS_SAMPLE_DIARY_1, 4, 3, 21, 10},
    {0, IDS_SAMPLE_DIARY_2, 4, 18, 20, 45},
    {0, IDS_SAMPLE_DIARY_3, 5, 2, 22, 0},
};
constexpr Sample kPetMails[] = {
    {IDS_SAMPLE_PET_SUBJECT_1, IDS_SAMPLE_PET_1, 4, 5, 8, 30},
    {IDS_SAMPLE_PET_SUBJECT_2, IDS_SAMPLE_PET_2, 4, 20, 19, 15},
    {IDS_SAMPLE_PET_SUBJECT_3, IDS_SAMPLE_PET_3, 5, 6, 12, 0},
};
constexpr Sample kEventMails[] = {
    {IDS_SAMPLE_EVENT_SUBJECT_1, IDS_SAMPLE_EVENT_1, 4, 1, 10, 0},
    {IDS_SAMPLE_EVENT_SUBJECT_2, IDS_SAMPLE_EVENT_2, 4, 25, 10, 0},
    {IDS_SAMPLE_EVENT_SUBJECT_3, IDS_SAMPLE_EVENT_3, 5, 10, 10, 0},
};

std::span<const Sample> SamplesOf(MailKind kind) {
  if (kind == kDiaryKind) return kDiaryPages;
  if (kind == kEventMailKind) return kEventMails;
  return kPetMails;
}

// Keeps the newest `count` mails of a sorted list, in its order.
void KeepNewest(MailList& list, std::size_t count) {
  std::vector<MailHandle>& mails = list.mails;
  if (mails.size() <= count) return;
  if (list.ascending)
    mails.erase(mails.begin(), mails.end() - static_cast<std::ptrdiff_t>(count));
  else
    mails.resize(count);
}

}  // namespace

AppSettings PreviewSettingsOf(const AppSettings& settings, const HonkiSheetPresenter& sheet) {
  AppSettings run = settings;
  sheet.StoreTo(run);
  // The drawer was chosen in the main dialog, among the drawers of its receive folder.
  run.petFolders = settings.petFolders;
  // The preview's folder holds its pages only, all of them written afresh.
  run.publish.setFeedUrl(std::string());
  run.publish.setKeepUnchanged(false);
  return run;
}

MailList PreviewMails(const AppSettings& settings, const std::string& drawer, FileSystem& files) {
  MailList mails;
  const std::string folder = settings.petFolders.ActiveFolder();
  if (!drawer.empty() && !folder.empty()) {
    MailPicker picker(settings.pickup.Filter(), settings.kind, files);
    picker.setSource(drawerPath(folder, drawer), true, true);
    if (!picker.run(mails)) mails = MailList();
  }
  if (mails.mails.empty()) return SampleMails(settings.kind, settings.pickup.SortDir());
  KeepNewest(mails, kPreviewMailCount);
  return mails;
}

MailList SampleMails(MailKind kind, bool oldestFirst) {
  MailList list;
  for (const Sample& sample : SamplesOf(kind)) {
    auto mail = std::make_shared<MailRecord>();
    mail->subject = std::string(LoadText(sample.subject ? sample.subject : IDS_DIARY_SUBJECT));
    mail->date = DateTime::Make(kSampleYear, sample.month, sample.day, sample.hour, sample.minute);
    splitLines(LoadText(sample.body), mail->bodyLines);
    list.mails.push_back(std::move(mail));
  }
  SortMailsByDate(list, oldestFirst);
  return list;
}

PreviewFolder::PreviewFolder(FileSystem& files, std::string temporaryFolder)
    : files_(files), parent_(std::move(temporaryFolder)) {}

PreviewFolder::~PreviewFolder() {
  if (path_.empty()) return;
  RemoveFiles();
  files_.removeFolder(path_.substr(0, path_.size() - 1));
}

bool PreviewFolder::Empty() {
  if (!path_.empty() && files_.isDirectory(path_)) {
    RemoveFiles();
    return true;
  }
  // First use, or the folder was taken away meanwhile: claim one that no one holds (making a
  // folder fails when it exists), so that two running programs never share one.
  path_.clear();
  if (parent_.empty()) return false;
  for (int n = 1; n <= 100; ++n) {
    const std::string folder = parent_ + "mogura-preview" + (n > 1 ? "-" + std::to_string(n) : std::string());
    if (files_.createFolder(folder)) {
      path_ = folder + files_.separator();
      return true;
    }
  }
  return false;
}

void PreviewFolder::RemoveFiles() {
  std::vector<std::string> names;
  if (!files_.findFiles(path_, "*", &names)) return;
  for (const std::string& name : names) files_.removeFile(path_ + name);
}

FormatPreview::FormatPreview(const AppSettings& settings, std::string drawer, const HonkiSheetPresenter& sheet,
                             PreviewFolder& folder, UserInteraction& ui, Shell& shell, FileSystem& files)
    : settings_(settings),
      drawer_(std::move(drawer)),
      sheet_(sheet),
      folder_(folder),
      ui_(ui),
      shell_(shell),
      files_(files) {}

void FormatPreview::Preview(const HtmlFormat& format, std::size_t page) {
  shown_.clear();
  if (page >= format.pages().size()) return;
  {
    WaitCursor wait(ui_);
    if (!folder_.Empty()) {
      ui_.messageBox(std::string(LoadText(IDS_OUTPUT_NOT_OPENED)), MessageIcon::Exclamation);
      return;
    }
    // The format copy as the only, active format: its pages are written as they are now.
    AppSettings run = PreviewSettingsOf(settings_, sheet_);
    run.formats = HtmlFormatList();
    run.formats.formats().push_back(format);
    run.formats.setActiveIdentifier(format.identifier());
    DivideSettings& divide = run.divide;
    if (format.pages()[page].key() == kIndexPageKey) {
      if (!divide.valid()) divide.setType(static_cast<std::int32_t>(DivideType::Month));
      divide.setValid(true);
      divide.setOutputIndex(true);
    } else {
      divide.setValid(false);
    }
    const MailList mails = PreviewMails(run, drawer_, files_);
    GenerationJob job(run, ui_, files_);
    if (!job.write(mails, folder_.path() + kPageName)) return;  // the job has said why
    shown_ = job.writtenPath();
  }
  shell_.openDocument(shown_);  // the shell's answer is not acted upon, as after a make
}

}  // namespace mogura
