// One HTML format: a named set of page templates, one per page kind.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "html/format_page.h"
#include "html/page_kind.h"
#include "base/program_version.h"
#include "store/settings_node.h"

namespace mogura {

// Stored ProgramVersion values: what every save writes, and the last version whose formats
// need converting when read.
inline constexpr std::int32_t kLastOldFormatVersion = 0x2000;

// True for a store written by an early version (also one without ProgramVersion, read as 0).
// The stored value is a DWORD, so it compares unsigned.
constexpr bool IsOldProgramVersion(std::int32_t version) {
  return static_cast<std::uint32_t>(version) <= static_cast<std::uint32_t>(kLastOldFormatVersion);
}

inline constexpr std::string_view kDefaultFormatId = "Default";
inline constexpr std::string_view kUserFormatId = "UserSetting";

class HtmlFormat : public SettingsNode {
 public:
  HtmlFormat() = default;
  // A format with no pages.
  explicit HtmlFormat(std::string identifier, std::string title = {});
  HtmlFormat(const HtmlFormat&) = default;
  HtmlFormat(HtmlFormat&&) = default;
  HtmlFormat& operator=(const HtmlFormat&) = default;
  HtmlFormat& operator=(HtmlFormat&&) = default;

  // The name under which the format is stored and selected ("Default", "UserSetting").
  const std::string& identifier() const { return identifier_; }
  void setIdentifier(std::string identifier) { identifier_ = std::move(identifier); }
  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }

  const std::vector<FormatPage>& pages() const { return pages_; }
  std::vector<FormatPage>& pages() { return pages_; }
  // The first page with the key; nullptr when there is none.
  const FormatPage* findPage(std::string_view key) const;
  FormatPage* findPage(std::string_view key);
  const FormatPage* findPage(PageKind kind) const { return findPage(PageKindKey(kind)); }
  FormatPage* findPage(PageKind kind) { return findPage(PageKindKey(kind)); }

  // Replaces the pages by the built-in ones (Mail, then Index); identifier and title stay.
  void Reset() override;
  // Reads the format's sub-key below `html` (the HTML section); when it is absent the format
  // gets the built-in pages. Formats of stores of `programVersion` 0x2000 or less are
  // converted; the page sub-keys they were read from are deleted by the next Save, which then
  // writes the converted pages afresh. Loading alone never changes the store.
  void Load(const SettingsKey& html, std::int32_t programVersion);
  // As above for a store of the current version (no conversion).
  void Load(const SettingsKey& html) override { Load(html, kProgramVersion); }
  bool Save(const SettingsKey& html) const override;

  // Page sub-keys of the store that the next Save deletes before it writes the pages.
  const std::vector<std::string>& stalePageKeys() const { return stalePageKeys_; }

  friend bool operator==(const HtmlFormat& a, const HtmlFormat& b) {
    return a.identifier_ == b.identifier_ && a.title_ == b.title_ && a.pages_ == b.pages_;
  }

 private:
  void convertFromOldVersion(std::vector<std::string> storedPages);

  std::string identifier_;
  std::string title_;
  std::vector<FormatPage> pages_;
  std::vector<std::string> stalePageKeys_;
};

}  // namespace mogura
