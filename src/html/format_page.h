// The template of one page kind within a format: its places and content options.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "html/template_place.h"
#include "store/settings_key.h"

namespace mogura {

class FormatPage {
 public:
  static constexpr int kDefaultListColumn = 3;

  FormatPage() = default;
  // A page with the key, an empty title, no places and default options.
  explicit FormatPage(std::string key, std::string title = {});
  FormatPage(const FormatPage&) = default;
  FormatPage(FormatPage&&) = default;
  FormatPage& operator=(const FormatPage&) = default;
  FormatPage& operator=(FormatPage&&) = default;
  virtual ~FormatPage() = default;

  // The page kind key: "Mail" or "Index".
  const std::string& key() const { return key_; }
  void setKey(std::string key) { key_ = std::move(key); }
  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }

  // Subject also for diary mails (Mail page only).
  bool outputSubject() const { return outputSubject_; }
  void setOutputSubject(bool on) { outputSubject_ = on; }
  // Lay the page out as a table: the Table_ places are written.
  bool outputList() const { return outputList_; }
  void setOutputList(bool on) { outputList_ = on; }
  // Number of table columns; always at least 1 (a smaller value set or stored acts as 1).
  int listColumn() const { return listColumn_; }
  void setListColumn(int columns) { listColumn_ = columns < 1 ? 1 : columns; }
  bool outputDatePetMail() const { return outputDatePetMail_; }
  void setOutputDatePetMail(bool on) { outputDatePetMail_ = on; }
  bool outputDateEventMail() const { return outputDateEventMail_; }
  void setOutputDateEventMail(bool on) { outputDateEventMail_ = on; }

  const std::vector<TemplatePlace>& places() const { return places_; }
  std::vector<TemplatePlace>& places() { return places_; }
  void appendPlace(TemplatePlace place) { places_.push_back(std::move(place)); }

  // The first place with the key; nullptr when the page has none.
  const TemplatePlace* findPlace(std::string_view key) const;
  TemplatePlace* findPlace(std::string_view key);
  // The text of the first place with the key; the empty text when the page has none.
  std::string placeText(std::string_view key) const;

  // Reads the sub-key named by the page key below `format`. When it is absent the page stays
  // as it is. Otherwise the places are replaced by the stored ones (in the store's order) and
  // the options read. `programVersion` is the stored ProgramVersion; stores of 0x2000 or
  // less name the Mail page "KosoriDialy", which is renamed here.
  void load(const SettingsKey& format, std::int32_t programVersion);
  // Creates the page's sub-key below `format`, writes the title, every place, the options.
  bool save(const SettingsKey& format) const;

  friend bool operator==(const FormatPage&, const FormatPage&) = default;

 private:
  std::string key_;
  std::string title_;
  std::vector<TemplatePlace> places_;
  bool outputSubject_ = false;
  bool outputList_ = false;
  int listColumn_ = kDefaultListColumn;
  bool outputDatePetMail_ = false;
  bool outputDateEventMail_ = false;
};

}  // namespace mogura
