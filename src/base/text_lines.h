// The lines of a text in one buffer: one allocation for the bytes and one for the line ends,
// instead of one per line. A drawer of 100,000 mails keeps its bodies this way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
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

  std::size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  std::string_view operator[](std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(bytes_.data() + begin, ends_[i] - begin);
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
    bytes_.append(line);
    ends_.push_back(static_cast<std::uint32_t>(bytes_.size()));
  }
  // False when no line holds an LF byte: writers then need not look for one.
  bool holdsLineFeed() const { return holdsLineFeed_; }
  void emplace_back(std::string_view line) { push_back(line); }
  void pop_back() {
    ends_.pop_back();
    bytes_.resize(ends_.empty() ? 0 : ends_.back());
  }
  void clear() {
    bytes_.clear();
    ends_.clear();
    holdsLineFeed_ = false;
  }
  // Room for `lines` lines of `bytes` bytes in all, so that filling allocates once each.
  void reserve(std::size_t lines, std::size_t bytes) {
    ends_.reserve(lines);
    bytes_.reserve(bytes);
  }
  // Gives back what reserve() took beyond the lines kept.
  void shrink_to_fit() {
    ends_.shrink_to_fit();
    bytes_.shrink_to_fit();
  }

  std::vector<std::string> toVector() const {
    std::vector<std::string> lines;
    lines.reserve(size());
    for (std::string_view line : *this) lines.emplace_back(line);
    return lines;
  }
  friend bool operator==(const TextLines& a, const TextLines& b) { return a.ends_ == b.ends_ && a.bytes_ == b.bytes_; }

 private:
  std::string bytes_;                // the lines back to back, without line ends
  std::vector<std::uint32_t> ends_;  // where each line ends in bytes_
  bool holdsLineFeed_ = false;
};

}  // namespace mogura
