// Writes the seed corpora of the fuzz targets, made by the project's own writers: drawers by
// the test drawer writer, settings files by the REGEDIT4 writer over a saved settings tree,
// pages from the built-in format's place texts.
//   make_seeds OUT_DIR      writes OUT_DIR/<target>/seed-N for every target
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "html/page_kind.h"
#include "platform/files.h"
#include "settings/app_settings.h"
#include "store/regedit4_file.h"
#include "support/drawer_writer.h"

namespace mogura {
namespace {

using test::DrawerWriter;
using test::MailSpec;

const std::string kPetHeader = "From: pet@kurumin.invalid\r\nX-Kurumin-Message: 2\r\n"
                               "Content-Type: text/plain; charset=iso-2022-jp\r\n\r\n";
const std::string kDiaryHeader = "From: pet@kurumin.invalid\r\n"
                                 "Content-Type: multipart/mixed; boundary=\"***kiritorisen***\"\r\n\r\n";
const std::string kEventHeader = "From: event@park.kurumin.ne.jp\r\nX-Mailer: Kurumin for Event Server 1.0\r\n\r\n";
const std::string kBody = "\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xED\r\n\r\nline two\r\n-----\r\n\x83\x82\x83\x4F\r\n";

std::vector<std::string> DrawerSeeds() {
  std::vector<std::string> seeds;
  auto joined = [](const DrawerWriter& w) { return w.listBytes() + '\xFF' + w.drawerBytes(); };
  DrawerWriter one;
  one.add(MailSpec{.subject = "s", .header = kPetHeader, .body = kBody});
  seeds.push_back(joined(one));
  DrawerWriter mixed;
  mixed.add(MailSpec{.subject = "a", .header = kPetHeader, .body = kBody, .version = '0'});
  mixed.add(MailSpec{.sender = "Park <event@park.kurumin.ne.jp>", .subject = "e", .date = "1 Feb 2001 00:00:00 -0530",
                     .header = kEventHeader, .body = "event\r\n", .extraText = "x\x01y"});
  mixed.add(MailSpec{.subject = "\x82\xB1\x82\xC1\x82\xBB\x82\xE8\x83\x6D\x81\x5B\x83\x67", .header = kDiaryHeader,
                     .body = "--***kiritorisen***\r\n\r\ndiary\r\n"});
  seeds.push_back(joined(mixed));
  DrawerWriter odd;  // texts out of list order, a range past the end, a damaged last record
  odd.add(MailSpec{.subject = "late", .header = "H\r\n", .body = "B", .headerOffset = 40, .bodyOffset = 43});
  odd.add(MailSpec{.subject = "early", .header = "", .body = std::string(45, 'x'), .bodyLength = 4000});
  odd.add(MailSpec{.subject = "cut", .endMarker = "EeX"});
  seeds.push_back(joined(odd));
  return seeds;
}

std::vector<std::string> DateSeeds() {
  return {"Tue, 4 Jan 2000 23:30:00 +0900", "4 Jan 2000 23:30:00 -0530", "Sun, 31 Dec 9999 23:59:59 -1200",
          "Mon, 29 Feb 2004 00:00:00 +0000", "Tue, 31 Apr 2000 12:00:00 +0900"};
}

std::vector<std::string> LineSeeds() {
  return {std::string(1, '\x02') + kPetHeader + '\0' + kBody, std::string(1, '\x05') + kEventHeader + '\0' + "a\r\n",
          std::string(1, '\x01') + kDiaryHeader + '\0' + "\r\n\r\n"};
}

std::vector<std::string> SettingsSeeds() {
  auto tree = std::make_shared<MemoryTree>();
  AppSettings settings;
  settings.petFolders.AddFolder("C:\\Program Files\\Kurumin\\");
  settings.pickup.SetEnables(true, false);
  settings.pickup.SetPetName1("\x83\x82\x83\x4F");
  settings.Save(MemoryRootKey(tree));
  const std::string root = SettingsRootPath("mogura");
  std::string full = FormatRegedit4(*tree, root);
  return {full, "REGEDIT4\r\n\r\n[" + root + "\\Sub]\r\n\"A\"=hex(1):8e,f3,\\\r\n  90\r\n\"B\"=dword:1\r\n[-" + root +
                    "\\Sub]\r\n"};
}

std::vector<std::string> PageSeeds() {
  std::string seed("\x07\x03\x02\x05", 4);
  for (PageKind kind : {PageKind::Mail, PageKind::Index}) {
    const FormatPage page = DescriptorOf(kind).build();
    for (const TemplatePlace& place : page.places()) seed += place.text() + '\0';
  }
  for (int i = 0; i < 3; ++i) seed += std::string("subject") + '\0' + "Tue, 4 Jan 2000 23:30:00 +0900" + '\0' + kBody + '\0';
  seed.pop_back();
  return {seed};
}

std::vector<std::string> SetupInfoSeeds() {
  // "もぐらノート" as the title, the distribution's entries, a resident variant, a bad Reg value.
  const std::string title = "\x82\xE0\x82\xAE\x82\xE7\x83\x6D\x81\x5B\x83\x67";
  return {"[Install]\r\nTitle=" + title + "\r\nFolder=mogura\r\nOpen=mogura-guide.htm\r\n1=mogura.exe\r\n"
          "2=mogura-cli.exe\r\n3=mogura-guide.htm\r\n[Group]\r\n1=" + title + ",mogura.exe\r\n"
          "2=guide,mogura-guide.htm\r\n[Reg]\r\n1=HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura\r\n",
          "[install]\r\ntitle=\"T\"\r\nfolder=f\r\nTSR=1\r\n1=a.exe,bin\\a.exe\r\n[Reg]\r\n1=HKEY_CLASSES_ROOT\\\r\n"};
}

bool WriteAll(const std::string& dir, const std::string& target, const std::vector<std::string>& seeds) {
  FileSystem& fs = HostFileSystem();
  fs.createFolder(dir + "/" + target);
  for (std::size_t i = 0; i < seeds.size(); ++i) {
    if (!test::WriteBytes(fs, dir + "/" + target + "/seed-" + std::to_string(i), seeds[i])) return false;
  }
  return true;
}

}  // namespace
}  // namespace mogura

int main(int argc, char** argv) {
  using namespace mogura;
  if (argc != 2) {
    std::fputs("usage: make_seeds OUT_DIR\n", stderr);
    return 2;
  }
  const std::string dir = argv[1];
  HostFileSystem().createFolder(dir);
  const bool ok = WriteAll(dir, "drawer_reader_fuzzer", DrawerSeeds()) && WriteAll(dir, "mail_date_fuzzer", DateSeeds()) &&
                  WriteAll(dir, "split_lines_fuzzer", LineSeeds()) &&
                  WriteAll(dir, "regedit4_file_fuzzer", SettingsSeeds()) &&
                  WriteAll(dir, "mail_page_writer_fuzzer", PageSeeds()) &&
                  WriteAll(dir, "setup_info_fuzzer", SetupInfoSeeds()) &&
                  WriteAll(dir, "setup_info_reader_fuzzer", SetupInfoSeeds());
  return ok ? 0 : 1;
}
