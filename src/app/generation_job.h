// The job of the make button: reads the chosen drawer, picks the mails of the chosen kind and
// writes them as one page, or as divided pages with an optional index page.
#pragma once

#include <string>

#include "html/page_divider.h"
#include "html/page_writer.h"
#include "html/published_file.h"
#include "mailstore/mail_list.h"
#include "platform/files.h"
#include "platform/text_output.h"
#include "platform/user_interaction.h"
#include "settings/app_settings.h"

namespace mogura {

// A file of a run that reached its end: written, or left as it was because its bytes would
// not have changed.
struct HandledFile {
  std::string path;
  bool unchanged;
};

class GenerationJob {
 public:
  // `settings`, `ui` and `files` are borrowed for the job's lifetime.
  GenerationJob(const AppSettings& settings, UserInteraction& ui, FileSystem& files = HostFileSystem());

  void setDrawer(const std::string& name) { drawer_ = name; }
  void setToDesktop(bool toDesktop) { toDesktop_ = toDesktop; }

  // Runs the whole job; true when every file was written. Every failure has been shown as a
  // message box, except a declined question and an empty drawer name or output path.
  bool run(const std::string& outputPath);
  // The writing part of run: writes `mails` (already picked and ordered) as the settings say,
  // with the same messages. The format preview writes its pages through this.
  bool write(const MailList& mails, const std::string& outputPath);

  // After a successful run: the file to show in the browser, or empty when there is none.
  const std::string& writtenPath() const { return writtenPath_; }

  // Every file the run wrote or left unchanged, in the order they were handled.
  const std::vector<HandledFile>& handledFiles() const { return handled_; }

 private:
  bool writeSinglePage(const MailList& mails, const std::string& outputPath);
  bool writeDividedPages(const MailList& mails, const std::string& outputPath);
  // Opens `path` for writing; shows the output-folder message when it cannot be opened.
  std::unique_ptr<PublishedFile> openOutput(const std::string& path,
                                            PublishedFile::Content content = PublishedFile::Content::Page);
  bool writeMailPage(PublishedFile& file, const std::string& path, const MailList& mails);
  bool writeIndexPage(PublishedFile& file, const std::string& path, const OutputPageList& pages);
  // Writes a page through a CR LF stream and closes the file; message 105 on any failure.
  bool writePage(PublishedFile& file, const std::string& path, PageWriter* writer);
  // The feed beside the output path, linking each of `pages` (one page: the output file itself).
  bool writeFeed(const std::string& outputPath, const OutputPageList* pages, const MailList& mails);
  void handled(const std::string& path, const PublishedFile& file) { handled_.push_back({path, file.unchanged()}); }
  void showFailure(int stringId);

  const AppSettings& settings_;
  UserInteraction& ui_;
  FileSystem& files_;
  std::string drawer_;
  bool toDesktop_ = false;
  std::string writtenPath_;
  std::vector<HandledFile> handled_;
};

}  // namespace mogura
