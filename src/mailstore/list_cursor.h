// A bounds-checked reader over the bytes of a list file (or of one record's payload).
// Every read checks what is really there first and returns false when the bytes run out;
// nothing is consumed by a read that fails. The byte layout is in docs/drawer-format.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mogura {

class InputFile;

class ListCursor {
 public:
  // Over bytes in memory, which must outlive the cursor.
  explicit ListCursor(std::string_view bytes);
  // Over a file, front to back through a buffer: every byte is read from the file once and
  // memory stays bounded by the largest single read, however long the file is.
  explicit ListCursor(InputFile& file);

  ListCursor(const ListCursor&) = delete;
  ListCursor& operator=(const ListCursor&) = delete;

  bool ReadU8(std::uint8_t* value);
  // An unsigned 32-bit number stored least significant byte first.
  bool ReadU32LE(std::uint32_t* value);
  // Exactly `count` bytes, or false when fewer are left.
  bool ReadBytes(std::size_t count, std::string* out);
  // A text ended by a NUL byte that lies within the next `limit` bytes. The NUL is consumed
  // but not stored. False when there is no NUL within the limit or before the end.
  bool ReadCString(std::string* out, std::size_t limit = kNoLimit);
  // The same as a view of the cursor's bytes: for a cursor in memory it lasts as long as the
  // memory, for one over a file only until the next read.
  bool ReadCStringView(std::string_view* out, std::size_t limit = kNoLimit);

  // Marks where the next record begins: its bytes stay buffered until the next mark, and
  // recordBytes() gives them once the record has been read.
  void markRecord() {
    mark_ = next_;
    marking_ = true;
  }
  std::string_view recordBytes() const { return window_.substr(mark_, next_ - mark_); }

  // Bytes consumed so far.
  std::uint64_t position() const { return consumed_; }
  // True when no byte is left (a file cursor may have to read to find out).
  bool atEnd();
  // True once reading the file reported an error; a cursor in memory never fails.
  bool failed() const { return failed_; }

  static constexpr std::size_t kNoLimit = static_cast<std::size_t>(-1);

 private:
  // Makes at least `count` unread bytes available when the source still holds them.
  bool ensure(std::size_t count);
  std::size_t available() const { return window_.size() - next_; }

  InputFile* file_ = nullptr;
  std::uint64_t fileOffset_ = 0;  // next byte of the file to fetch
  bool fileExhausted_ = false;
  bool failed_ = false;
  std::string buffer_;       // file mode: the fetched bytes not yet dropped
  std::string_view window_;  // the bytes readable now: the memory, or buffer_
  std::size_t next_ = 0;     // first unread byte of window_
  std::size_t mark_ = 0;     // first byte of window_ of the record being read
  bool marking_ = false;
  std::uint64_t consumed_ = 0;
};

}  // namespace mogura
