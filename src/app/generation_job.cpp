#include "app/generation_job.h"

#include "base/string_table.h"
#include "html/index_page_writer.h"
#include "html/mail_page_writer.h"
#include "mailstore/mail_picker.h"
#include "mailstore/mail_sources.h"

namespace mogura {
namespace {

// Desktop output asks before writing more files than this.
constexpr std::size_t kDesktopPagesWithoutAsking = 10;

}  // namespace

GenerationJob::GenerationJob(const AppSettings& settings, UserInteraction& ui, FileSystem& files)
    : settings_(settings), ui_(ui), files_(files) {}

bool GenerationJob::run(const std::string& outputPath) {
  writtenPath_.clear();
  if (drawer_.empty()) return false;
  const std::string path = drawerPath(settings_.petFolders.ActiveFolder(), drawer_);
  if (outputPath.empty()) return false;

  MailList mails;
  MailPicker picker(settings_.pickup, settings_.kind, files_);
  picker.setSource(path, true, true);
  if (!picker.run(mails)) {
    showFailure(IDS_DRAWER_NOT_FOUND);
    return false;
  }
  if (mails.mails.empty()) {
    ui_.messageBox(FormatText(LoadText(IDS_NO_MAIL), drawer_), MessageIcon::Exclamation);
    return false;
  }
  // Without the Mail page of the active format there is nothing to write: say so before any
  // file is created.
  if (!settings_.formats.activePage(PageKind::Mail)) {
    showFailure(IDS_WRITE_FAILED);
    return false;
  }
  return settings_.divide.valid() ? writeDividedPages(mails, outputPath) : writeSinglePage(mails, outputPath);
}

bool GenerationJob::writeSinglePage(const MailList& mails, const std::string& outputPath) {
  auto file = openOutput(outputPath);
  if (!file) return false;
  if (!writeMailPage(*file, mails)) return false;
  writtenPath_ = outputPath;
  return true;
}

bool GenerationJob::writeDividedPages(const MailList& mails, const std::string& outputPath) {
  OutputPageList pages;
  PageDivider(mails, settings_.divide, outputPath, files_.separator()).divide(&pages);

  if (toDesktop_ && pages.size() > kDesktopPagesWithoutAsking) {
    const std::string question = FormatText(LoadText(IDS_MANY_DESKTOP_FILES), std::to_string(pages.size()));
    if (ui_.messageBox(question, MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No) !=
        MessageAnswer::Yes)
      return false;
  }

  bool allGood = true;
  for (const OutputPage& page : pages) {
    auto file = openOutput(page.path);
    if (!file) return false;  // the pages written so far stay; no index
    if (!writeMailPage(*file, page.mails)) allGood = false;
  }
  if (!settings_.divide.outputIndex()) return allGood;

  auto index = openOutput(outputPath);
  if (!index) return false;
  if (writeIndexPage(*index, pages))
    writtenPath_ = outputPath;
  else
    allGood = false;
  return allGood;
}

std::unique_ptr<OutputFile> GenerationJob::openOutput(const std::string& path) {
  auto file = files_.createFile(path);
  if (!file) showFailure(IDS_OUTPUT_NOT_OPENED);
  return file;
}

bool GenerationJob::writeMailPage(OutputFile& file, const MailList& mails) {
  const FormatPage* page = settings_.formats.activePage(PageKind::Mail);
  if (!page) return writePage(file, nullptr);
  MailPageWriter writer(mails, *page, settings_.words, settings_.kind);
  return writePage(file, &writer);
}

bool GenerationJob::writeIndexPage(OutputFile& file, const OutputPageList& pages) {
  const FormatPage* page = settings_.formats.activePage(PageKind::Index);
  if (!page) return writePage(file, nullptr);
  IndexPageWriter writer(pages, *page, files_.separator());
  return writePage(file, &writer);
}

bool GenerationJob::writePage(OutputFile& file, PageWriter* writer) {
  bool ok = writer != nullptr;  // no writer: the active format lacks the page
  if (ok) {
    TextOutput stream(file);
    ok = writer->write(stream);
    ok = stream.close() && ok;
  }
  if (!ok) showFailure(IDS_WRITE_FAILED);
  return ok;
}

void GenerationJob::showFailure(int stringId) {
  ui_.messageBox(std::string(LoadText(stringId)), MessageIcon::Exclamation);
}

}  // namespace mogura
