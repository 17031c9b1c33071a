// One file of a run as the publishing settings want it: a page in the run's charset, and any
// file left alone when its bytes would not change.
#pragma once

#include <memory>
#include <string>

#include "html/publish_settings.h"
#include "html/utf8_page_output.h"
#include "platform/files.h"
#include "platform/keep_unchanged_file.h"

namespace mogura {

class PublishedFile : public OutputFile {
 public:
  enum class Content { Page, Bytes };

  // Opens `path`; a Page is written in UTF-8 when the settings ask for it, Bytes as they are.
  // Null when the file cannot be written.
  static std::unique_ptr<PublishedFile> Open(FileSystem& fs, const std::string& path,
                                             const PublishSettings& settings, Content content);

  bool write(const void* data, std::size_t count) override { return front_->write(data, count); }
  bool close() override { return front_->close(); }

  // After a successful close: true when the file at the path was left as it was.
  bool unchanged() const { return keeper_ != nullptr && keeper_->unchanged(); }

 private:
  std::unique_ptr<OutputFile> file_;
  KeepUnchangedFile* keeper_ = nullptr;  // file_, when unchanged files are kept
  std::unique_ptr<Utf8PageOutput> utf8_;
  OutputFile* front_ = nullptr;  // what the bytes are written to
};

}  // namespace mogura
