#include "support/drawer_writer.h"

#include "base/string_table.h"

namespace mogura::test {
namespace {

void PutU32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void PutText(std::string& out, std::string_view text) {
  out += text;
  out += '\0';
}

}  // namespace

std::string DrawerWriter::EncodePayload(const MailSpec& mail, std::uint32_t headerOffset,
                                        std::uint32_t bodyOffset, std::uint32_t bodyLength) {
  std::string p;
  PutU32(p, headerOffset);
  PutU32(p, bodyOffset);
  PutU32(p, bodyLength);
  PutU32(p, mail.fourthNumber);
  PutText(p, mail.sender);
  PutText(p, mail.secondText);
  PutText(p, mail.thirdText);
  PutText(p, mail.subject);
  PutText(p, mail.date);
  p += static_cast<char>(mail.firstFlag);
  if (mail.version == '1') {
    p += static_cast<char>(mail.secondFlag);
    PutText(p, mail.extraText);
  }
  return p;
}

std::string DrawerWriter::EncodeRecord(const MailSpec& mail, const std::string& payload) {
  std::string r = mail.startMarker;
  r += mail.startVersion.value_or(mail.version);
  PutU32(r, mail.payloadLength.value_or(static_cast<std::uint32_t>(payload.size())));
  r += payload;
  r += mail.endMarker;
  r += mail.endVersion.value_or(mail.version);
  return r;
}

std::size_t DrawerWriter::add(const MailSpec& mail) {
  const auto headerAt = static_cast<std::uint32_t>(drawer_.size());
  drawer_ += mail.header;
  const auto bodyAt = static_cast<std::uint32_t>(drawer_.size());
  drawer_ += mail.body;
  std::string payload = mail.payload.value_or(
      EncodePayload(mail, mail.headerOffset.value_or(headerAt), mail.bodyOffset.value_or(bodyAt),
                    mail.bodyLength.value_or(static_cast<std::uint32_t>(mail.body.size()))));
  payload += mail.payloadTail;
  recordOffsets_.push_back(list_.size());
  list_ += EncodeRecord(mail, payload);
  return recordOffsets_.size() - 1;
}

std::string DrawerWriter::DrawerPath(const std::string& folder, std::string_view title) {
  return folder + std::string(title) + ".krm";
}

std::string DrawerWriter::ListPath(const std::string& folder, std::string_view title) {
  // Written out independently of the reader's own rule, so that tests check one against the other.
  std::string name(title);
  const std::string_view inbox = LoadText(IDS_RECEIVED_MAIL);
  if (name.ends_with(inbox)) name.resize(name.size() - LoadText(IDS_MAIL).size());
  return folder + name + std::string(LoadText(IDS_LIST_FILE_SUFFIX));
}

bool WriteBytes(FileSystem& files, const std::string& path, std::string_view bytes) {
  auto file = files.createFile(path);
  if (!file) return false;
  const bool written = file->write(bytes.data(), bytes.size());
  return file->close() && written;
}

bool DrawerWriter::writeList(const std::string& path, FileSystem& files) const {
  return WriteBytes(files, path, list_);
}

bool DrawerWriter::writeDrawer(const std::string& path, FileSystem& files) const {
  return WriteBytes(files, path, drawer_);
}

bool DrawerWriter::write(const std::string& folder, std::string_view title, FileSystem& files) const {
  return writeDrawer(DrawerPath(folder, title), files) && writeList(ListPath(folder, title), files);
}

}  // namespace mogura::test
