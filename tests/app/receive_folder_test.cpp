// The host program keeps working while we read its files: a run leaves them as they were, and
// files that change under the reader give the mails as read or the drawer message.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "app/generation_job.h"
#include "base/string_table.h"
#include "support/drawer_writer.h"
#include "support/machine.h"
#include "support/poll.h"
#include "support/temp_folder.h"

namespace mogura {
namespace {

using test::DrawerWriter;
using test::MailSpec;
using test::TempFolder;

const std::string kInbox(LoadText(IDS_RECEIVED_MAIL));

DrawerWriter PetMails(int count, std::size_t bodyBytes) {
  DrawerWriter writer;
  for (int i = 0; i < count; ++i) {
    writer.add(MailSpec{.subject = "S" + std::to_string(i),
                        .date = std::to_string(1 + i % 28) + " May 2000 10:00:00 +0900",
                        .header = "X-Kurumin-Message: " + std::to_string(1 + i % 2) + "\r\n",
                        .body = "mail " + std::to_string(i) + "\r\n" + std::string(bodyBytes, 'b') + "\r\n"});
  }
  return writer;
}

// Every file of a folder: its bytes and its modification time.
std::map<std::filesystem::path, std::pair<std::string, std::filesystem::file_time_type>> Snapshot(
    const std::string& folder) {
  std::map<std::filesystem::path, std::pair<std::string, std::filesystem::file_time_type>> files;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::u8path(folder))) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    files[entry.path()] = {bytes, std::filesystem::last_write_time(entry.path())};
  }
  return files;
}

class ReceiveFolderTest : public ::testing::Test {
 protected:
  ReceiveFolderTest() { settings.kind = kPetMailKind; }
  bool Run(FileSystem& files, const std::string& outputPath) {
    GenerationJob job(settings, ui, files);
    job.setDrawer(kInbox);
    return job.run(outputPath);
  }

  AppSettings settings;
  test::ScriptedInteraction ui;
};

// On the host's own files: their modification times are what shows a write.
TEST_F(ReceiveFolderTest, ARunLeavesEveryFileOfTheReceiveFolderAsItWas) {
  TempFolder receive, out;
  settings.petFolders.AddFolder(receive.path());
  ASSERT_TRUE(PetMails(40, 300).write(receive.path(), kInbox));
  ASSERT_TRUE(PetMails(3, 10).write(receive.path(), "other"));
  const auto before = Snapshot(receive.path());
  ASSERT_EQ(before.size(), 4u);
  // A coarse file clock would hide a write made right after the files were written: wait
  // until a file written now gets a later time than any of them.
  auto newest = std::filesystem::file_time_type::min();
  for (const auto& [path, file] : before) newest = std::max(newest, file.second);
  ASSERT_TRUE(test::Poll(5000, [&] {
    const std::string probe = out.file("clock-probe");
    return test::WriteBytes(HostFileSystem(), probe, "now") &&
           std::filesystem::last_write_time(std::filesystem::u8path(probe)) > newest;
  }));
  EXPECT_TRUE(Run(HostFileSystem(), out.file("one.htm")));
  settings.divide.setValid(true);
  settings.divide.setType(2);
  EXPECT_TRUE(Run(HostFileSystem(), out.file("days.htm")));
  EXPECT_TRUE(Snapshot(receive.path()) == before);
}

// A file whose bytes change after each read: it grows, shrinks, empties or is replaced. Its
// size stays what it was when opened, as a real handle's does.
class ChangingFile : public InputFile {
 public:
  using Change = std::function<void(std::string& bytes)>;
  ChangingFile(std::string bytes, Change change, int changeAfter)
      : bytes_(std::move(bytes)), size_(bytes_.size()), change_(std::move(change)), changeAfter_(changeAfter) {}
  ~ChangingFile() override { EXPECT_LE(furthest_, size_) << "a read past the size the file had"; }
  std::uint64_t size() const override { return size_; }
  bool readAt(std::uint64_t offset, void* buffer, std::size_t count, std::size_t* got) override {
    furthest_ = std::max(furthest_, offset + count);
    *got = 0;
    if (offset < bytes_.size()) {
      *got = static_cast<std::size_t>(std::min<std::uint64_t>(count, bytes_.size() - offset));
      std::copy_n(bytes_.data() + offset, *got, static_cast<char*>(buffer));
    }
    if (++reads_ == changeAfter_) change_(bytes_);
    return true;
  }

 private:
  std::string bytes_;
  const std::uint64_t size_;
  Change change_;
  const int changeAfter_;
  int reads_ = 0;
  std::uint64_t furthest_ = 0;
};

// The machine's disk, except that the file whose name ends in `suffix` changes as it is read.
class ChangingFiles : public test::MemoryDisk {
 public:
  ChangingFiles(std::string suffix, ChangingFile::Change change, int changeAfter)
      : suffix_(std::move(suffix)), change_(std::move(change)), changeAfter_(changeAfter) {}
  std::unique_ptr<InputFile> openRead(const std::string& path) override {
    if (path.size() < suffix_.size() || path.compare(path.size() - suffix_.size(), suffix_.size(), suffix_) != 0)
      return MemoryDisk::openRead(path);
    if (!exists(path) || isDirectory(path)) return nullptr;
    return std::make_unique<ChangingFile>(bytesOf(path), change_, changeAfter_);
  }

 private:
  std::string suffix_;
  ChangingFile::Change change_;
  int changeAfter_;
};

TEST_F(ReceiveFolderTest, FilesChangingWhileReadGiveTheMailsAsReadOrTheDrawerMessage) {
  // Large enough for several reads of the list (64 KiB each) and of the drawer (1 MiB blocks).
  const std::string receive = "C:\\Kurumin\\Mail\\", out = "C:\\pages\\";
  settings.petFolders.AddFolder(receive);
  const DrawerWriter writer = PetMails(3000, 800);
  ASSERT_GT(writer.drawerBytes().size(), 2u * 1024 * 1024);
  const std::string other = PetMails(50, 20000).drawerBytes();  // as if the host wrote a new file
  const std::map<std::string, ChangingFile::Change> changes{
      {"grows", [](std::string& b) { b += std::string(b.size(), 'g'); }},
      {"shrinks", [](std::string& b) { b.resize(b.size() / 3); }},
      {"empties", [](std::string& b) { b.clear(); }},
      {"is replaced", [&other](std::string& b) { b = other; }},
      {"is overwritten", [](std::string& b) { std::reverse(b.begin(), b.end()); }}};
  const std::string drawerMessage(LoadText(IDS_DRAWER_NOT_FOUND));
  for (const std::string& suffix : {std::string(".krm"), std::string(".krl")}) {
    for (const auto& [name, change] : changes) {
      for (int after = 1; after <= 3; ++after) {
        SCOPED_TRACE(suffix + " " + name + " after read " + std::to_string(after));
        ChangingFiles files(suffix, change, after);
        files.addFolder(out);
        ASSERT_TRUE(writer.write(files.addFolder(receive), kInbox, files));
        ui.messages.clear();
        const bool ok = Run(files, out + "p.htm");
        if (ok) {
          EXPECT_TRUE(ui.messages.empty());
        } else {
          // Mails as read may all be of another kind: then the no-mail message says so.
          ASSERT_EQ(ui.messages.size(), 1u);
          EXPECT_TRUE(ui.messages[0].text == drawerMessage ||
                      ui.messages[0].text == FormatText(LoadText(IDS_NO_MAIL), kInbox))
              << ui.messages[0].text;
        }
      }
    }
  }
}

}  // namespace
}  // namespace mogura
