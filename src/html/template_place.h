// One named place of a page template: a short piece of HTML written at a fixed point of a page.
#pragma once

#include <string>
#include <string_view>

#include "store/settings_key.h"

namespace mogura {

class TemplatePlace {
 public:
  TemplatePlace() = default;
  TemplatePlace(std::string key, std::string title, std::string text);
  TemplatePlace(const TemplatePlace&) = default;
  TemplatePlace(TemplatePlace&&) = default;
  TemplatePlace& operator=(const TemplatePlace&) = default;
  TemplatePlace& operator=(TemplatePlace&&) = default;
  virtual ~TemplatePlace() = default;

  // Fixed by the program ("Header", "Table_FotterRow", ...); the writers look places up by it.
  const std::string& key() const { return key_; }
  void setKey(std::string key) { key_ = std::move(key); }
  // The description shown in the format editor.
  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }
  // The HTML snippet; may be empty, may hold line feeds and embedded words.
  const std::string& text() const { return text_; }
  void setText(std::string text) { text_ = std::move(text); }

  // Reads `Title` and `ContentText` from the sub-key named by the key below `page`;
  // absent values (and empty texts) leave the fields unchanged.
  void load(const SettingsKey& page);
  // Creates the sub-key named by the key below `page` and writes both texts.
  bool save(const SettingsKey& page) const;

  friend bool operator==(const TemplatePlace& a, const TemplatePlace& b) {
    return a.key_ == b.key_ && a.title_ == b.title_ && a.text_ == b.text_;
  }

 private:
  std::string key_;
  std::string title_;
  std::string text_;
};

}  // namespace mogura
