// libFuzzer target: splitting a header and a body into lines, the header rules, the diary rule
// and the signature. Built by fuzz/run.sh.
// Input: one byte that picks the wanted kind and the sender, then the header, a NUL, the body.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "mailstore/pet_mail_record.h"
#include "mailstore/split_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t choice = data[0];
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t nul = rest.find('\0');
  const std::string_view header = rest.substr(0, nul);
  const std::string_view body = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);

  mogura::PetMailRecord mail;
  mail.fromEventSender = (choice & 4) != 0;
  mail.subject = std::string(body.substr(0, choice % 32));
  // Both ways of splitting give the same lines; none holds a line feed.
  std::vector<std::string> lines;
  mogura::splitLines(header, lines);
  mogura::splitLines(header, mail.headerLines);
  if (mail.headerLines.toVector() != lines || mail.headerLines.holdsLineFeed()) __builtin_trap();
  if (lines.empty()) __builtin_trap();
  for (std::string_view line : mail.headerLines) mail.applyHeaderLine(line);
  mail.applyDiaryRule("\x82\xB1\x82\xC1\x82\xBB\x82\xE8\x83\x6D\x81\x5B\x83\x67");  // こっそりノート
  mogura::splitLines(body, mail.bodyLines);
  std::size_t bytes = 0;
  for (std::string_view line : mail.bodyLines) {
    if (line.find('\n') != std::string_view::npos) __builtin_trap();
    bytes += line.size();
  }
  if (bytes > body.size()) __builtin_trap();
  const std::string name = mail.signatureName();
  if (!name.empty() && name != mail.bodyLines.back()) __builtin_trap();
  mail.matchesKind(static_cast<mogura::MailKind>(choice & 3));
  return 0;
}
