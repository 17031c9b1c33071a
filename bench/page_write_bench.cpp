// Writes a mail page of 10,000 mails to a real file twice: once through the stream's buffer
// (the file gets the page in large blocks) and once handing every line to the file as it
// ends. Prints the time of each; run with an optional folder for the files (default: the
// system's temporary folder) and an optional number of rounds (default 5; the best counts).
//
//   page_write_bench [FOLDER] [ROUNDS]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "html/mail_page_writer.h"
#include "html/page_kind.h"
#include "platform/files.h"
#include "platform/text_output.h"

using namespace mogura;

namespace {

constexpr int kMails = 10000;

MailList MakeMails() {
  MailList list;
  list.sorted = true;
  for (int i = 0; i < kMails; ++i) {
    auto mail = std::make_shared<MailRecord>();
    mail->subject = "Mail number " + std::to_string(i + 1);
    mail->date = DateTime::Make(2000, 1, 1).addHours(i);
    for (int line = 0; line < 8; ++line) {
      // A typical body line: about 40 bytes, double-byte characters included.
      mail->bodyLines.push_back("\x82\xA8\x82\xCD\x82\xE6\x82\xA4 line " + std::to_string(line) +
                                " of a pet's diary page, more or less.");
    }
    list.mails.push_back(std::move(mail));
  }
  return list;
}

// Seconds taken by one page write, or a negative value when it failed.
double WriteOnce(const MailList& mails, const FormatPage& page, const std::string& path,
                 bool flushEveryLine, std::uintmax_t* size) {
  FileSystem& fs = HostFileSystem();
  const auto start = std::chrono::steady_clock::now();
  std::unique_ptr<OutputFile> file = fs.createFile(path);
  if (!file) return -1;
  bool ok;
  {
    TextOutput out(*file);
    MailPageWriter writer(mails, page, [](MailKind) { return std::string("Bench"); }, kPetMailKind);
    writer.setFlushEveryLine(flushEveryLine);
    ok = writer.write(out);
    ok = out.close() && ok;
  }
  const auto end = std::chrono::steady_clock::now();
  std::error_code error;
  *size = std::filesystem::file_size(path, error);
  fs.removeFile(path);
  return ok ? std::chrono::duration<double>(end - start).count() : -1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder = argc > 1 ? argv[1] : std::filesystem::temp_directory_path().string();
  if (!folder.empty() && folder.back() != HostFileSystem().separator()) folder += HostFileSystem().separator();
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

  const MailList mails = MakeMails();
  const FormatPage page = DescriptorOf(PageKind::Mail).build();
  std::printf("mail page of %d mails, best of %d rounds, folder %s\n", kMails, rounds, folder.c_str());
  for (bool flushEveryLine : {false, true}) {
    double best = -1;
    std::uintmax_t size = 0;
    for (int round = 0; round < rounds; ++round) {
      const double seconds = WriteOnce(mails, page, folder + "page_write_bench.htm", flushEveryLine, &size);
      if (seconds < 0) {
        std::fprintf(stderr, "the page could not be written in %s\n", folder.c_str());
        return 1;
      }
      if (best < 0 || seconds < best) best = seconds;
    }
    std::printf("%-24s %9.1f ms  (%ju bytes)\n",
                flushEveryLine ? "flush after every line:" : "stream buffer:", best * 1000.0, size);
  }
  return 0;
}
