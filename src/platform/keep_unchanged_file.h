// An output file that leaves the file already at its path alone when the new bytes equal it:
// its time stamp stays, and an upload tool that looks at times sends nothing. The bytes are
// compared as they come, against the old file read piece by piece; at the first difference the
// new file is written beside the old one (with the equal part copied from it) and moved over
// it when closed, so a failure never leaves a part of a file where the old one stood.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/files.h"

namespace mogura {

class KeepUnchangedFile : public OutputFile {
 public:
  // Opens `path` for writing. Null when it cannot be written: a folder, or a new file that
  // cannot be created.
  static std::unique_ptr<KeepUnchangedFile> Open(FileSystem& fs, const std::string& path);
  ~KeepUnchangedFile() override;

  bool write(const void* data, std::size_t count) override;
  // Leaves the old file, or moves the new one over it; false when anything failed, and then
  // the old file is as it was.
  bool close() override;

  // After a successful close: true when the file at the path was left as it was.
  bool unchanged() const { return unchanged_; }

 private:
  KeepUnchangedFile(FileSystem& fs, const std::string& path, std::unique_ptr<InputFile> old,
                    std::unique_ptr<OutputFile> out);
  // True when the next `count` bytes of the old file equal `data`.
  bool matchesOld(const char* data, std::size_t count);
  // Starts the new file beside the old one with the bytes that were equal so far.
  bool startReplacing();
  void discardReplacement();

  FileSystem& fs_;
  const std::string path_;
  const std::string temporary_;
  std::unique_ptr<InputFile> old_;   // while comparing
  std::unique_ptr<OutputFile> out_;  // the new file, or the temporary one beside the old
  std::unique_ptr<char[]> buffer_;
  std::uint64_t matched_ = 0;
  bool replacing_ = false;
  bool unchanged_ = false;
  bool good_ = true;
  bool closed_ = false;
};

}  // namespace mogura
