#include "app/generation_job.h"

#include "app/make_command.h"
#include "base/string_table.h"
#include "html/atom_feed.h"
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
  handled_.clear();
  if (drawer_.empty()) return false;
  const std::string path = drawerPath(settings_.petFolders.ActiveFolder(), drawer_);
  if (outputPath.empty()) return false;

  MailList mails;
  MailPicker picker(settings_.pickup.Filter(), settings_.kind, files_);
  picker.setSource(path, true, true);
  if (!picker.run(mails)) {
    showFailure(IDS_DRAWER_NOT_FOUND);
    return false;
  }
  if (mails.mails.empty()) {
    ui_.messageBox(FormatText(LoadText(IDS_NO_MAIL), drawer_), MessageIcon::Exclamation);
    return false;
  }
  return write(mails, outputPath);
}

bool GenerationJob::write(const MailList& mails, const std::string& outputPath) {
  writtenPath_.clear();
  handled_.clear();
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
  if (!writeMailPage(*file, outputPath, mails)) return false;
  writtenPath_ = outputPath;
  return writeFeed(outputPath, nullptr, mails);
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
    if (!writeMailPage(*file, page.path, page.mails)) allGood = false;
  }
  if (settings_.divide.outputIndex()) {
    auto index = openOutput(outputPath);
    if (!index) return false;
    if (writeIndexPage(*index, outputPath, pages))
      writtenPath_ = outputPath;
    else
      allGood = false;
  }
  return allGood && writeFeed(outputPath, &pages, mails);
}

std::unique_ptr<PublishedFile> GenerationJob::openOutput(const std::string& path, PublishedFile::Content content) {
  auto file = PublishedFile::Open(files_, path, settings_.publish, content);
  if (!file) showFailure(IDS_OUTPUT_NOT_OPENED);
  return file;
}

bool GenerationJob::writeMailPage(PublishedFile& file, const std::string& path, const MailList& mails) {
  const FormatPage* page = settings_.formats.activePage(PageKind::Mail);
  if (!page) return writePage(file, path, nullptr);
  const auto title = [this](MailKind kind) { return settings_.words.PageTitle("MailPageTitle", kind); };
  MailPageWriter writer(mails, *page, title, settings_.kind);
  return writePage(file, path, &writer);
}

bool GenerationJob::writeIndexPage(PublishedFile& file, const std::string& path, const OutputPageList& pages) {
  const FormatPage* page = settings_.formats.activePage(PageKind::Index);
  if (!page) return writePage(file, path, nullptr);
  IndexPageWriter writer(pages, *page, files_.separator());
  return writePage(file, path, &writer);
}

bool GenerationJob::writePage(PublishedFile& file, const std::string& path, PageWriter* writer) {
  bool ok = writer != nullptr;  // no writer: the active format lacks the page
  if (ok) {
    TextOutput stream(file);
    ok = writer->write(stream);
    ok = stream.close() && ok;
  }
  if (!ok) {
    showFailure(IDS_WRITE_FAILED);
    return false;
  }
  handled(path, file);
  return true;
}

bool GenerationJob::writeFeed(const std::string& outputPath, const OutputPageList* pages, const MailList& mails) {
  const PublishSettings& publish = settings_.publish;
  if (!publish.feed()) return true;
  const char separator = files_.separator();
  FeedHeader header;
  header.title = settings_.words.PageTitle("MailPageTitle", settings_.kind);
  if (header.title.empty()) header.title = KindTitle(settings_.kind);
  header.folderUrl = publish.feedUrl();
  header.pageName = SplitPath(outputPath, separator).fileName();
  const std::string feedPath = FeedPathFor(outputPath, separator);
  header.feedName = SplitPath(feedPath, separator).fileName();
  header.generator = std::string(LoadText(IDS_APP_TITLE));

  std::vector<FeedMail> feedMails;
  feedMails.reserve(mails.mails.size());
  if (pages) {
    for (std::size_t i = 0; i < pages->size(); ++i) {
      header.pageNames.push_back(SplitPath((*pages)[i].path, separator).fileName());
      for (const MailHandle& mail : (*pages)[i].mails.mails) feedMails.push_back({mail.get(), i});
    }
  } else {
    header.pageNames.push_back(header.pageName);
    for (const MailHandle& mail : mails.mails) feedMails.push_back({mail.get(), 0});
  }
  const std::string feed = MakeAtomFeed(
      header, NewestFeedMails(std::move(feedMails), static_cast<std::size_t>(publish.effectiveFeedCount())));

  auto file = PublishedFile::Open(files_, feedPath, publish, PublishedFile::Content::Bytes);
  bool ok = file != nullptr;
  if (ok) {
    const bool written = file->write(feed.data(), feed.size());
    ok = file->close() && written;
  }
  if (!ok) {
    showFailure(IDS_WRITE_FAILED);  // the pages stay
    return false;
  }
  handled(feedPath, *file);
  return true;
}

void GenerationJob::showFailure(int stringId) {
  ui_.messageBox(std::string(LoadText(stringId)), MessageIcon::Exclamation);
}

}  // namespace mogura
