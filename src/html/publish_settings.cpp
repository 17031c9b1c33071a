#include "html/publish_settings.h"

#include "base/cp932.h"

namespace mogura {

void PublishSettings::Reset() {
  charset_ = kShiftJis;
  keepUnchanged_ = true;
  feedUrl_.clear();
  feedCount_ = kDefaultFeedCount;
}

bool PublishSettings::utf8() const { return EqualsNoCase(charset_, kUtf8); }

void PublishSettings::Load(const SettingsKey& parent) {
  const SettingsKey section = parent.openSubKey(kSection);
  if (!section.valid()) {
    Reset();
    return;
  }
  section.readText("Charset", &charset_);
  section.readFlag("KeepUnchanged", &keepUnchanged_);
  section.readText("FeedUrl", &feedUrl_);
  section.readInt("FeedCount", &feedCount_);
}

bool PublishSettings::Save(const SettingsKey& parent) const {
  const SettingsKey section = parent.createSubKey(kSection);
  if (!section.valid()) return false;
  bool ok = section.writeText("Charset", charset_);
  ok = section.writeFlag("KeepUnchanged", keepUnchanged_) && ok;
  ok = section.writeText("FeedUrl", feedUrl_) && ok;
  ok = section.writeInt("FeedCount", feedCount_) && ok;
  return ok;
}

bool IsWebAddress(const std::string& url) {
  for (std::string_view scheme : {"http://", "https://"}) {
    if (url.size() > scheme.size() && EqualsNoCase(std::string_view(url).substr(0, scheme.size()), scheme)) {
      const char first = url[scheme.size()];
      return first != '/' && first != ' ' && first != '?' && first != '#';
    }
  }
  return false;
}

}  // namespace mogura
