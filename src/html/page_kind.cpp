#include "html/page_kind.h"

#include <array>

#include "base/string_table.h"
#include "html/format_page.h"

namespace mogura {

namespace {

constexpr PlaceDescriptor kMailPlaces[] = {
    {"Header", IDS_PLACE_HEADER, IDS_DEFAULT_MAIL_HEADER},
    {"Footer", IDS_PLACE_FOOTER, IDS_DEFAULT_FOOTER},
    {"HeaderOne", IDS_PLACE_HEADER_ONE, 0},
    {"FooterOne", IDS_PLACE_FOOTER_ONE, IDS_DEFAULT_FOOTER_ONE},
    {"BeforeLine", IDS_PLACE_BEFORE_LINE, 0},
    {"EndLine", IDS_PLACE_END_LINE, IDS_DEFAULT_END_LINE},
    {"BeforeSubject", IDS_PLACE_BEFORE_SUBJECT, IDS_DEFAULT_BEFORE_SUBJECT},
    {"EndSubject", IDS_PLACE_END_SUBJECT, IDS_DEFAULT_END_SUBJECT},
    {"Table_Header", IDS_PLACE_TABLE_HEADER, IDS_DEFAULT_TABLE_HEADER},
    {"Table_Footer", IDS_PLACE_TABLE_FOOTER, IDS_DEFAULT_TABLE_FOOTER},
    {"Table_HeaderRow", IDS_PLACE_TABLE_HEADER_ROW, IDS_DEFAULT_TABLE_HEADER_ROW},
    {"Table_FotterRow", IDS_PLACE_TABLE_FOOTER_ROW, IDS_DEFAULT_TABLE_FOOTER_ROW},
    {"Table_HeaderColumn", IDS_PLACE_TABLE_HEADER_COLUMN, IDS_DEFAULT_TABLE_HEADER_COLUMN},
    {"Table_FotterColumn", IDS_PLACE_TABLE_FOOTER_COLUMN, IDS_DEFAULT_TABLE_FOOTER_COLUMN},
};

constexpr PlaceDescriptor kIndexPlaces[] = {
    {"Header", IDS_PLACE_HEADER, IDS_DEFAULT_INDEX_HEADER},
    {"Footer", IDS_PLACE_FOOTER, IDS_DEFAULT_FOOTER},
    {"IndexItem", IDS_PLACE_INDEX_ITEM, IDS_DEFAULT_INDEX_ITEM},
    {"Table_Header", IDS_PLACE_TABLE_HEADER, IDS_DEFAULT_TABLE_HEADER},
    {"Table_Footer", IDS_PLACE_TABLE_FOOTER, IDS_DEFAULT_TABLE_FOOTER},
    {"Table_HeaderRow", IDS_PLACE_TABLE_HEADER_ROW, IDS_DEFAULT_TABLE_HEADER_ROW},
    {"Table_FotterRow", IDS_PLACE_TABLE_FOOTER_ROW, IDS_DEFAULT_TABLE_FOOTER_ROW},
    {"Table_HeaderColumn", IDS_PLACE_TABLE_HEADER_COLUMN, IDS_DEFAULT_TABLE_HEADER_COLUMN},
    {"Table_FotterColumn", IDS_PLACE_TABLE_FOOTER_COLUMN, IDS_DEFAULT_TABLE_FOOTER_COLUMN},
};

constexpr std::array<PageDescriptor, 2> kDescriptors = {{
    {PageKind::Mail, kMailPageKey, IDS_FORMAT_PAGE_MAIL, false, false, 3, kMailPlaces},
    {PageKind::Index, kIndexPageKey, IDS_FORMAT_PAGE_INDEX, false, false, 3, kIndexPlaces},
}};

}  // namespace

std::string_view PlaceDescriptor::title() const { return LoadText(titleId); }

std::string_view PlaceDescriptor::defaultText() const {
  return textId == 0 ? std::string_view() : LoadText(textId);
}

std::string_view PageDescriptor::title() const { return LoadText(titleId); }

FormatPage PageDescriptor::build() const {
  FormatPage page{std::string(key), std::string(title())};
  page.setOutputSubject(outputSubject);
  page.setOutputList(outputList);
  page.setListColumn(listColumn);
  page.setOutputDatePetMail(false);
  page.setOutputDateEventMail(false);
  page.places().reserve(places.size());
  for (const PlaceDescriptor& row : places) {
    page.appendPlace(TemplatePlace(std::string(row.key), std::string(row.title()),
                                   std::string(row.defaultText())));
  }
  return page;
}

std::span<const PageDescriptor> PageDescriptors() { return kDescriptors; }

const PageDescriptor& DescriptorOf(PageKind kind) {
  return kind == PageKind::Mail ? kDescriptors[0] : kDescriptors[1];
}

std::string_view PageKindKey(PageKind kind) { return DescriptorOf(kind).key; }

}  // namespace mogura
