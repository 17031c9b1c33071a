// How pages are published: their character set, whether unchanged files are kept, and the
// feed. Settings section "Publish"; a store without it reads as the defaults, which write
// the pages exactly as they always were.
#pragma once

#include <cstdint>
#include <string>

#include "store/settings_node.h"

namespace mogura {

class PublishSettings : public SettingsNode {
 public:
  static constexpr const char* kSection = "Publish";
  static constexpr std::int32_t kDefaultFeedCount = 20;
  static constexpr std::int32_t kMinFeedCount = 1;
  static constexpr std::int32_t kMaxFeedCount = 100;

  PublishSettings() { Reset(); }

  void Reset() override;
  // A missing section resets everything; a missing (or empty) value leaves its field.
  void Load(const SettingsKey& parent) override;
  bool Save(const SettingsKey& parent) const override;

  // The charset name as stored ("Charset"): "UTF-8" in any letter case means UTF-8 pages,
  // anything else Shift_JIS.
  const std::string& charset() const { return charset_; }
  void setCharset(const std::string& value) { charset_ = value; }
  bool utf8() const;
  void setUtf8(bool on) { charset_ = on ? kUtf8 : kShiftJis; }

  // Leave a file alone when its bytes would not change ("KeepUnchanged").
  bool keepUnchanged() const { return keepUnchanged_; }
  void setKeepUnchanged(bool on) { keepUnchanged_ = on; }

  // The address of the folder the pages are uploaded to ("FeedUrl"); empty: no feed.
  const std::string& feedUrl() const { return feedUrl_; }
  void setFeedUrl(const std::string& value) { feedUrl_ = value; }
  bool feed() const { return !feedUrl_.empty(); }

  // Entries of the feed ("FeedCount") as stored, and as used: outside 1-100 it counts as 20.
  std::int32_t feedCount() const { return feedCount_; }
  void setFeedCount(std::int32_t value) { feedCount_ = value; }
  std::int32_t effectiveFeedCount() const {
    return feedCount_ >= kMinFeedCount && feedCount_ <= kMaxFeedCount ? feedCount_ : kDefaultFeedCount;
  }

  friend bool operator==(const PublishSettings& a, const PublishSettings& b) {
    return a.charset_ == b.charset_ && a.keepUnchanged_ == b.keepUnchanged_ && a.feedUrl_ == b.feedUrl_ &&
           a.feedCount_ == b.feedCount_;
  }

  static constexpr const char* kShiftJis = "Shift_JIS";
  static constexpr const char* kUtf8 = "UTF-8";

 private:
  std::string charset_;
  bool keepUnchanged_ = true;
  std::string feedUrl_;
  std::int32_t feedCount_ = kDefaultFeedCount;
};

// True when `url` begins with "http://" or "https://" (letters in any case) and names a host.
bool IsWebAddress(const std::string& url);

}  // namespace mogura
