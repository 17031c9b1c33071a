#include "html/published_file.h"

namespace mogura {

std::unique_ptr<PublishedFile> PublishedFile::Open(FileSystem& fs, const std::string& path,
                                                   const PublishSettings& settings, Content content) {
  auto published = std::unique_ptr<PublishedFile>(new PublishedFile);
  if (settings.keepUnchanged()) {
    auto keeper = KeepUnchangedFile::Open(fs, path);
    published->keeper_ = keeper.get();
    published->file_ = std::move(keeper);
  } else {
    published->file_ = fs.createFile(path);
  }
  if (!published->file_) return nullptr;
  published->front_ = published->file_.get();
  if (content == Content::Page && settings.utf8()) {
    published->utf8_ = std::make_unique<Utf8PageOutput>(*published->file_);
    published->front_ = published->utf8_.get();
  }
  return published;
}

}  // namespace mogura
