// The job of the make button: reads the chosen drawer, picks the mails of the chosen kind and
// writes them as one page, or as divided pages with an optional index page.
#pragma once

#include <string>

#include "html/page_divider.h"
#include "html/page_writer.h"
#include "mailstore/mail_list.h"
#include "platform/files.h"
#include "platform/text_output.h"
#include "platform/user_interaction.h"
#include "settings/app_settings.h"

namespace mogura {

class GenerationJob {
 public:
  // `settings`, `ui` and `files` are borrowed for the job's lifetime.
  GenerationJob(const AppSettings& settings, UserInteraction& ui, FileSystem& files = HostFileSystem());

  void setDrawer(const std::string& name) { drawer_ = name; }
  void setToDesktop(bool toDesktop) { toDesktop_ = toDesktop; }

  // Runs the whole job; true when every file was written. Every failure has been shown as a
  // message box, except a declined question and an empty drawer name or output path.
  bool run(const std::string& outputPath);

  // After a successful run: the file to show in the browser, or empty when there is none.
  const std::string& writtenPath() const { return writtenPath_; }

 private:
  bool writeSinglePage(const MailList& mails, const std::string& outputPath);
  bool writeDividedPages(const MailList& mails, const std::string& outputPath);
  // Opens `path` for writing; shows the output-folder message when it cannot be opened.
  std::unique_ptr<OutputFile> openOutput(const std::string& path);
  bool writeMailPage(OutputFile& file, const MailList& mails);
  bool writeIndexPage(OutputFile& file, const OutputPageList& pages);
  // Writes a page through a CR LF stream and closes the file; message 105 on any failure.
  bool writePage(OutputFile& file, PageWriter* writer);
  void showFailure(int stringId);

  const AppSettings& settings_;
  UserInteraction& ui_;
  FileSystem& files_;
  std::string drawer_;
  bool toDesktop_ = false;
  std::string writtenPath_;
};

}  // namespace mogura
