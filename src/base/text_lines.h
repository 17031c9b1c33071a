// The lines of a text in one buffer: one allocation for the bytes and the line ends together,
// instead of one per line. A drawer of 100,000 mails keeps its bodies this way.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mogura {

class TextLines {
 public:
  class const_iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;
    const_iterator(const TextLines* lines, std::size_t index) : lines_(lines), index_(index) {}
    std::string_view operator*() const { return (*lines_)[index_]; }
    const_iterator& operator++() {
      ++index_;
      return *this;
    }
    bool operator==(const const_iterator& other) const { return index_ == other.index_; }
    bool operator!=(const const_iterator& other) const { return index_ != other.index_; }

   private:
    const TextLines* lines_;
    std::size_t index_;
  };

  TextLines() = default;
  TextLines(std::initializer_list<std::string_view> lines) {
    for (std::string_view line : lines) push_back(line);
  }
  explicit TextLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) push_back(line);
  }
  TextLines(const TextLines& other) { *this = other; }
  TextLines(TextLines&& other) noexcept { *this = std::move(other); }
  TextLines& operator=(const TextLines& other) {
    if (this == &other) return *this;
    clear();
    reserve(other.lines_, other.bytes_);
    std::copy_n(other.ends(), other.lines_, ends());
    std::copy_n(other.bytes(), other.bytes_, bytes());
    lines_ = other.lines_;
    bytes_ = other.bytes_;
    holdsLineFeed_ = other.holdsLineFeed_;
    return *this;
  }
  TextLines& operator=(TextLines&& other) noexcept {
    block_ = std::move(other.block_);
    lines_ = std::exchange(other.lines_, 0);
    bytes_ = std::exchange(other.bytes_, 0);
    lineRoom_ = std::exchange(other.lineRoom_, 0);
    byteRoom_ = std::exchange(other.byteRoom_, 0);
    holdsLineFeed_ = std::exchange(other.holdsLineFeed_, false);
    return *this;
  }

  std::size_t size() const { return lines_; }
  bool empty() const { return lines_ == 0; }
  std::string_view operator[](std::size_t i) const {
    const std::uint32_t begin = i == 0 ? 0 : ends()[i - 1];
    return std::string_view(bytes() + begin, ends()[i] - begin);
  }
  std::string_view front() const { return (*this)[0]; }
  std::string_view back() const { return (*this)[size() - 1]; }
  const_iterator begin() const { return const_iterator(this, 0); }
  const_iterator end() const { return const_iterator(this, size()); }

  void push_back(std::string_view line) {
    if (line.find('\n') != std::string_view::npos) holdsLineFeed_ = true;
    push_back_without_line_feed(line);
  }
  // For a line known to hold no LF, as every line that splitting gives: not looked at again.
  void push_back_without_line_feed(std::string_view line) {
    if (line.size() > kMaxBytes - bytes_) throw std::length_error("text lines too long");
    const auto length = static_cast<std::uint32_t>(line.size());
    if (lines_ == lineRoom_ || length > byteRoom_ - bytes_)
      grow(lines_ == lineRoom_ ? Doubled(lineRoom_, lines_ + 1u, 8) : lineRoom_,
           length > byteRoom_ - bytes_ ? Doubled(byteRoom_, bytes_ + length, 64) : byteRoom_);
    std::copy_n(line.data(), length, bytes() + bytes_);
    bytes_ += length;
    ends()[lines_++] = bytes_;
  }
  void emplace_back(std::string_view line) { push_back(line); }
  void pop_back() {
    --lines_;
    bytes_ = lines_ == 0 ? 0 : ends()[lines_ - 1];
  }
  // Empties the lines and keeps the room.
  void clear() {
    lines_ = 0;
    bytes_ = 0;
    holdsLineFeed_ = false;
  }
  // Room for `lines` lines of `bytes` bytes in all, so that filling allocates once.
  void reserve(std::size_t lines, std::size_t bytes) {
    if (lines > kMaxBytes || bytes > kMaxBytes) throw std::length_error("text lines too long");
    if (lines > lineRoom_ || bytes > byteRoom_)
      grow(std::max(lineRoom_, static_cast<std::uint32_t>(lines)), std::max(byteRoom_, static_cast<std::uint32_t>(bytes)));
  }
  // Gives back what reserve() took beyond the lines kept.
  void shrink_to_fit() {
    if (lines_ < lineRoom_ || bytes_ < byteRoom_) grow(lines_, bytes_);
  }
  // False when no line holds an LF byte: writers then need not look for one.
  bool holdsLineFeed() const { return holdsLineFeed_; }

  std::vector<std::string> toVector() const {
    std::vector<std::string> lines;
    lines.reserve(size());
    for (std::string_view line : *this) lines.emplace_back(line);
    return lines;
  }
  friend bool operator==(const TextLines& a, const TextLines& b) {
    return a.lines_ == b.lines_ && a.bytes_ == b.bytes_ && std::equal(a.ends(), a.ends() + a.lines_, b.ends()) &&
           std::equal(a.bytes(), a.bytes() + a.bytes_, b.bytes());
  }

 private:
  static constexpr std::uint32_t kMaxBytes = UINT32_MAX;

  static std::uint32_t Doubled(std::uint32_t room, std::uint32_t needed, std::uint32_t least) {
    const std::uint64_t doubled = std::max<std::uint64_t>(std::uint64_t{room} * 2, least);
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(std::max<std::uint64_t>(doubled, needed), kMaxBytes));
  }
  // Moves the lines into a block with room for `lines` line ends and `bytes` bytes.
  void grow(std::uint32_t lines, std::uint32_t bytes) {
    std::unique_ptr<char[]> block(new char[std::size_t{lines} * sizeof(std::uint32_t) + bytes]);
    auto* newEnds = reinterpret_cast<std::uint32_t*>(block.get());
    std::copy_n(ends(), lines_, newEnds);
    std::copy_n(this->bytes(), bytes_, block.get() + std::size_t{lines} * sizeof(std::uint32_t));
    block_ = std::move(block);
    lineRoom_ = lines;
    byteRoom_ = bytes;
  }
  std::uint32_t* ends() { return reinterpret_cast<std::uint32_t*>(block_.get()); }
  const std::uint32_t* ends() const { return reinterpret_cast<const std::uint32_t*>(block_.get()); }
  char* bytes() { return block_.get() + std::size_t{lineRoom_} * sizeof(std::uint32_t); }
  const char* bytes() const { return block_.get() + std::size_t{lineRoom_} * sizeof(std::uint32_t); }

  // One allocation: the line ends (where each line ends among the bytes), then the lines'
  // bytes back to back, without line ends.
  std::unique_ptr<char[]> block_;
  std::uint32_t lines_ = 0;
  std::uint32_t bytes_ = 0;
  std::uint32_t lineRoom_ = 0;
  std::uint32_t byteRoom_ = 0;
  bool holdsLineFeed_ = false;
};

}  // namespace mogura
