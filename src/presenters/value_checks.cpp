#include "presenters/value_checks.h"

#include "base/cp932.h"
#include "base/string_table.h"
#include "html/publish_settings.h"

namespace mogura {
namespace {

bool Refuse(DialogControls& controls, UserInteraction& ui, int control, const std::string& message) {
  ui.messageBox(message);
  controls.focus(control);
  return false;
}

}  // namespace

std::optional<std::int64_t> ParseNumberText(std::string_view text, NumberSign sign) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    if (negative && sign == NumberSign::Unsigned) return std::nullopt;
    ++i;
  }
  constexpr std::int64_t kSaturated = std::int64_t{1} << 40;
  std::int64_t value = 0;
  const std::size_t firstDigit = i;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kSaturated) value = kSaturated;
  }
  if (i == firstDigit) return std::nullopt;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i != text.size()) return std::nullopt;
  return negative ? -value : value;
}

bool TakeInteger(DialogControls& controls, UserInteraction& ui, int control, NumberSign sign, int low,
                 int high, std::int32_t* value) {
  const std::optional<std::int64_t> number = ParseNumberText(controls.text(control), sign);
  if (!number) {
    return Refuse(controls, ui, control,
                  std::string(LoadText(sign == NumberSign::Unsigned ? IDS_ENTER_UNSIGNED : IDS_ENTER_INTEGER)));
  }
  if (*number < low || *number > high) {
    return Refuse(controls, ui, control,
                  FormatArguments(LoadText(IDS_ENTER_INTEGER_RANGE), {std::to_string(low), std::to_string(high)}));
  }
  *value = static_cast<std::int32_t>(*number);
  return true;
}

bool TakeLimitedText(DialogControls& controls, UserInteraction& ui, int control, std::size_t maxCharacters,
                     std::string* text) {
  std::string typed = controls.text(control);
  if (CharacterCount(typed) > maxCharacters) {
    return Refuse(controls, ui, control, FormatArguments(LoadText(IDS_ENTER_MAX_CHARS), {std::to_string(maxCharacters)}));
  }
  *text = std::move(typed);
  return true;
}

bool TakeWebAddress(DialogControls& controls, UserInteraction& ui, int control, std::string* url) {
  const std::string text = controls.text(control);
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;  // a blank is never a trail byte
  const std::string address = text.substr(begin, end - begin);
  if (!IsWebAddress(address)) return Refuse(controls, ui, control, std::string(LoadText(IDS_PUBLISH_BAD_URL)));
  *url = address;
  return true;
}

}  // namespace mogura
