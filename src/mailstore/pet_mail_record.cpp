#include "mailstore/pet_mail_record.h"

#include <cerrno>
#include <cstdlib>

namespace mogura {
namespace {

constexpr std::string_view kKindField = "X-Kurumin-Message";
constexpr std::string_view kContentTypeField = "Content-Type";
constexpr std::string_view kMailerField = "X-Mailer";
constexpr std::string_view kEventMailer = "Kurumin for Event Server";
constexpr std::string_view kDiaryContentType = "multipart/mixed; boundary=\"***kiritorisen***\"";
constexpr std::string_view kSignatureRule = "-----";

// The value of `line` for the field `name`: the line must be longer than the name and the two
// bytes after it (normally ": "), which are skipped whatever they are.
bool FieldValue(std::string_view line, std::string_view name, std::string_view* value) {
  if (line.size() <= name.size() + 2 || line.substr(0, name.size()) != name) return false;
  *value = line.substr(name.size() + 2);
  return true;
}

// The value as a whole decimal number (leading blanks and a sign allowed, nothing after it).
bool WholeNumber(std::string_view value, std::int32_t* number) {
  const std::string text(value);
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  const long parsed = std::strtol(begin, &end, 10);
  if (end == begin || *end != '\0' || errno == ERANGE) return false;
  if (parsed < INT32_MIN || parsed > INT32_MAX) return false;
  *number = static_cast<std::int32_t>(parsed);
  return true;
}

}  // namespace

bool PetMailRecord::read(ListCursor& list) {
  if (!MailRecord::read(list)) return false;
  if (sender().find(kParkEventSender) != std::string_view::npos) fromEventSender = true;
  return true;
}

void PetMailRecord::applyHeaderLine(std::string_view line) {
  std::string_view value;
  if (kindCode == 0 && FieldValue(line, kKindField, &value)) {
    std::int32_t number = 0;
    if (WholeNumber(value, &number)) kindCode = number;
    return;
  }
  if (contentType.empty() && FieldValue(line, kContentTypeField, &value)) {
    contentType = value;
    return;
  }
  if (fromEventSender && FieldValue(line, kMailerField, &value)) {
    if (value.find(kEventMailer) != std::string_view::npos) eventMail = true;
  }
}

void PetMailRecord::applyDiaryRule(std::string_view diarySubject) {
  if (kindCode == 0 && contentType == kDiaryContentType && subject == diarySubject) kindCode = kDiaryKind;
}

bool PetMailRecord::matchesKind(MailKind wanted) const {
  switch (wanted) {
    case kDiaryKind:
    case kPetMailKind:
      return kindCode == wanted;
    case kEventMailKind:
      return eventMail;
    default:
      return false;
  }
}

std::string PetMailRecord::signatureName() const {
  const std::size_t n = bodyLines.size();
  if (n < 2) return {};
  if (bodyLines[n - 2].compare(0, kSignatureRule.size(), kSignatureRule) != 0) return {};
  return std::string(bodyLines[n - 1]);
}

void PetMailRecord::dropPickingTexts() {
  releaseListTexts();
  std::string().swap(contentType);
}

}  // namespace mogura
