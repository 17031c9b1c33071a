// The page kinds of a format and their built-in descriptors: key, title, default options and
// the table of places with their default texts.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace mogura {

class FormatPage;

enum class PageKind { Mail, Index };

inline constexpr std::string_view kMailPageKey = "Mail";
inline constexpr std::string_view kIndexPageKey = "Index";

// One row of a descriptor's place table. Title and default text come from the string table.
struct PlaceDescriptor {
  std::string_view key;
  int titleId;
  int textId;  // 0: the empty text

  std::string_view title() const;
  std::string_view defaultText() const;
};

struct PageDescriptor {
  PageKind kind;
  std::string_view key;
  int titleId;
  bool outputSubject;
  bool outputList;
  int listColumn;
  std::span<const PlaceDescriptor> places;

  std::string_view title() const;
  // A page with the descriptor's key, title and options (both date flags false) and every
  // place of the table in order with its default text.
  FormatPage build() const;
};

// The descriptors in their fixed order: Mail, then Index.
std::span<const PageDescriptor> PageDescriptors();
const PageDescriptor& DescriptorOf(PageKind kind);
std::string_view PageKindKey(PageKind kind);

}  // namespace mogura
