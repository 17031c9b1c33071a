#include "platform/keep_unchanged_file.h"

#include <algorithm>
#include <cstring>

namespace mogura {
namespace {
constexpr std::size_t kPiece = 64 * 1024;
}

std::unique_ptr<KeepUnchangedFile> KeepUnchangedFile::Open(FileSystem& fs, const std::string& path) {
  if (fs.isDirectory(path)) return nullptr;
  std::unique_ptr<InputFile> old = fs.openRead(path);
  std::unique_ptr<OutputFile> out;
  if (!old) {
    out = fs.createFile(path);  // nothing to keep: written in place
    if (!out) return nullptr;
  }
  return std::unique_ptr<KeepUnchangedFile>(new KeepUnchangedFile(fs, path, std::move(old), std::move(out)));
}

KeepUnchangedFile::KeepUnchangedFile(FileSystem& fs, const std::string& path, std::unique_ptr<InputFile> old,
                                     std::unique_ptr<OutputFile> out)
    : fs_(fs), path_(path), temporary_(path + ".new"), old_(std::move(old)), out_(std::move(out)) {
  if (old_) buffer_.reset(new char[kPiece]);
}

KeepUnchangedFile::~KeepUnchangedFile() {
  if (!closed_) discardReplacement();  // never move a part of a page over the old file
}

bool KeepUnchangedFile::write(const void* data, std::size_t count) {
  if (!good_ || closed_) return good_ = false;
  const auto* bytes = static_cast<const char*>(data);
  if (old_) {
    if (matchesOld(bytes, count)) {
      matched_ += count;
      return true;
    }
    if (!startReplacing()) return good_ = false;
  }
  return good_ = out_->write(bytes, count);
}

bool KeepUnchangedFile::matchesOld(const char* data, std::size_t count) {
  if (count > old_->size() - std::min(old_->size(), matched_)) return false;
  std::uint64_t at = matched_;
  while (count > 0) {
    const std::size_t n = std::min(count, kPiece);
    std::size_t got = 0;
    if (!old_->readAt(at, buffer_.get(), n, &got) || got != n) return false;
    if (std::memcmp(buffer_.get(), data, n) != 0) return false;
    data += n;
    count -= n;
    at += n;
  }
  return true;
}

bool KeepUnchangedFile::startReplacing() {
  std::unique_ptr<InputFile> old = std::move(old_);
  out_ = fs_.createFile(temporary_);
  if (!out_) return false;
  replacing_ = true;
  for (std::uint64_t at = 0; at < matched_;) {
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(matched_ - at, kPiece));
    std::size_t got = 0;
    if (!old->readAt(at, buffer_.get(), n, &got) || got != n || !out_->write(buffer_.get(), n)) return false;
    at += n;
  }
  return true;
}

void KeepUnchangedFile::discardReplacement() {
  if (out_) out_->close();
  if (replacing_) fs_.removeFile(temporary_);
  replacing_ = false;
}

bool KeepUnchangedFile::close() {
  if (closed_) return good_;
  if (good_ && old_) {
    if (matched_ == old_->size()) {
      old_.reset();
      closed_ = unchanged_ = true;
      return true;
    }
    good_ = startReplacing();  // the old file is longer than the new bytes
  }
  if (!good_) {
    discardReplacement();
    closed_ = true;
    return false;
  }
  good_ = out_->close();
  if (replacing_) {
    if (good_) good_ = fs_.replaceFile(temporary_, path_);
    if (!good_) fs_.removeFile(temporary_);
    replacing_ = false;
  }
  closed_ = true;
  return good_;
}

}  // namespace mogura
