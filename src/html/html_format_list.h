// All HTML formats of the program and the identifier of the active one (section HTML).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "html/html_format.h"
#include "store/settings_node.h"

namespace mogura {

class HtmlFormatList : public SettingsNode {
 public:
  // An empty list with an empty active identifier; Reset or Load fill it.
  HtmlFormatList() = default;

  const std::vector<HtmlFormat>& formats() const { return formats_; }
  std::vector<HtmlFormat>& formats() { return formats_; }

  const std::string& activeIdentifier() const { return active_; }
  // Stores the identifier even when no format bears it.
  void setActiveIdentifier(std::string identifier) { active_ = std::move(identifier); }

  // The first format with the identifier (byte for byte); nullptr when there is none.
  const HtmlFormat* findFormat(std::string_view identifier) const;
  HtmlFormat* findFormat(std::string_view identifier);
  // Makes the identifier active and returns the format found by it, or nullptr.
  HtmlFormat* select(std::string identifier);

  // The format named by the active identifier; nullptr when none bears it.
  const HtmlFormat* activeFormat() const { return findFormat(active_); }
  HtmlFormat* activeFormat() { return findFormat(active_); }
  // The page of the active format for a page kind key; nullptr when either is missing.
  const FormatPage* activePage(std::string_view pageKey) const;
  const FormatPage* activePage(PageKind kind) const { return activePage(PageKindKey(kind)); }

  // Rebuilds the pages of "Default" when present; otherwise appends "UserSetting" and
  // "Default" with built-in pages. An empty active identifier becomes "Default".
  void Reset() override;
  // Reads the section HTML below the settings root. `programVersion` is the stored
  // ProgramVersion (0 when absent); 0x2000 or less converts old formats.
  void Load(const SettingsKey& root, std::int32_t programVersion);
  // As above, reading ProgramVersion from `root` itself.
  void Load(const SettingsKey& root) override;
  // Writes every format and the active identifier; never deletes anything from the store.
  bool Save(const SettingsKey& root) const override;

  friend bool operator==(const HtmlFormatList& a, const HtmlFormatList& b) {
    return a.active_ == b.active_ && a.formats_ == b.formats_;
  }

 private:
  std::vector<HtmlFormat> formats_;
  std::string active_;
};

}  // namespace mogura
