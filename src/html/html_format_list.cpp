#include "html/html_format_list.h"

#include <utility>

#include "base/string_table.h"
#include "html/store_names.h"

namespace mogura {

namespace {
constexpr std::string_view kSectionKey = "HTML";
constexpr std::string_view kActiveValue = "ActiveSelection";
}  // namespace

const HtmlFormat* HtmlFormatList::findFormat(std::string_view identifier) const {
  for (const HtmlFormat& format : formats_) {
    if (format.identifier() == identifier) return &format;
  }
  return nullptr;
}

HtmlFormat* HtmlFormatList::findFormat(std::string_view identifier) {
  return const_cast<HtmlFormat*>(std::as_const(*this).findFormat(identifier));
}

HtmlFormat* HtmlFormatList::select(std::string identifier) {
  active_ = std::move(identifier);
  return findFormat(active_);
}

const FormatPage* HtmlFormatList::activePage(std::string_view pageKey) const {
  const HtmlFormat* format = activeFormat();
  return format ? format->findPage(pageKey) : nullptr;
}

void HtmlFormatList::Reset() {
  if (HtmlFormat* builtIn = findFormat(kDefaultFormatId)) {
    builtIn->Reset();
  } else {
    HtmlFormat user{std::string(kUserFormatId), std::string(LoadText(IDS_FORMAT_TITLE_USER))};
    user.Reset();
    formats_.push_back(std::move(user));
    HtmlFormat standard{std::string(kDefaultFormatId),
                        std::string(LoadText(IDS_FORMAT_TITLE_DEFAULT))};
    standard.Reset();
    formats_.push_back(std::move(standard));
  }
  if (active_.empty()) active_ = std::string(kDefaultFormatId);
}

void HtmlFormatList::Load(const SettingsKey& root, std::int32_t programVersion) {
  const SettingsKey html = root.openSubKey(kSectionKey);
  if (!html.valid()) {
    Reset();
    return;
  }
  std::vector<std::string> names;
  html.enumSubKeys(&names);
  formats_.clear();
  formats_.reserve(names.size());
  for (std::string& name : names) {
    HtmlFormat format(std::move(name));
    format.Load(html, programVersion);
    formats_.push_back(std::move(format));
  }
  html.readText(kActiveValue, &active_);
  select(active_);
}

void HtmlFormatList::Load(const SettingsKey& root) {
  std::int32_t version = 0;
  root.readInt(kProgramVersionValue, &version);
  Load(root, version);
}

bool HtmlFormatList::Save(const SettingsKey& root) const {
  const SettingsKey html = root.createSubKey(kSectionKey);
  bool ok = html.valid();
  for (std::size_t i = 0; i < formats_.size(); ++i) {
    if (!IsFirstOfStoreName(formats_, i, [](const HtmlFormat& f) -> const std::string& {
          return f.identifier();
        })) {
      continue;
    }
    ok = formats_[i].Save(html) && ok;
  }
  ok = html.writeText(kActiveValue, active_) && ok;
  return ok;
}

}  // namespace mogura
