// The preview of a format page: what it renders (the bytes a make writes), which mails it
// shows (the main dialog's drawer and kind, the advanced sheet's working copies, the newest 20,
// samples of our own otherwise), the index with its pages beside it, the charset of the
// publishing options, and the folder it writes into and nowhere else.
#include "presenters/format_preview.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/generation_job.h"
#include "base/string_table.h"
#include "html/utf8_page_output.h"
#include "support/drawer_writer.h"
#include "support/fake_controls.h"
#include "support/machine.h"

namespace mogura {
namespace {

using test::DrawerWriter;
using test::MailSpec;

const std::string kInbox(LoadText(IDS_RECEIVED_MAIL));

class NoCustomizer : public FormatCustomizer {
 public:
  bool Customize(HtmlFormat*) override { return false; }
};

bool Has(const std::string& page, const std::string& part) { return page.find(part) != std::string::npos; }

class FormatPreviewTest : public ::testing::Test {
 protected:
  FormatPreviewTest() {
    settings.petFolders.AddFolder(receive);
    settings.kind = kPetMailKind;
    settings.formats.setActiveIdentifier(std::string(kUserFormatId));
    format = *settings.formats.findFormat(kUserFormatId);
    format.findPage(PageKind::Mail)->findPlace("Header")->setText("<html><p>mail page mark</p>");
    format.findPage(PageKind::Index)->findPlace("Header")->setText("<html><p>index page mark</p>");
  }

  std::string Read(const std::string& path) {
    std::string bytes;
    return ReadWholeFile(files, path, 1 << 24, &bytes) ? bytes : "<none>";
  }

  std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    files.findFiles(folder, "*", &names);
    std::sort(names.begin(), names.end());
    return names;
  }

  // Pet mail "mail 1" .. "mail N" on the days 1 .. N of May 2026 at noon, and a diary page.
  void WriteDrawer(int count) {
    DrawerWriter writer;
    for (int day = 1; day <= count; ++day) {
      writer.add(MailSpec{.subject = "mail " + std::to_string(day),
                          .date = std::to_string(day) + " May 2026 12:00:00 +0900",
                          .header = "X-Kurumin-Message: 2\r\n",
                          .body = "line of mail " + std::to_string(day) + "\r\n"});
    }
    writer.add(MailSpec{.subject = std::string(LoadText(IDS_DIARY_SUBJECT)), .date = "3 May 2026 21:00:00 +0900",
                        .header = "X-Kurumin-Message: 1\r\n", .body = "diary line\r\n"});
    ASSERT_TRUE(writer.write(receive, kInbox, files));
  }

  // Previews page `page` of `format` as the sheet would, with the advanced sheet loaded from
  // `settings` and then changed by `change`; the bytes of the page opened.
  std::string Preview(std::size_t page, const std::function<void(HonkiSheetPresenter&)>& change = {}) {
    HonkiSheetPresenter sheet(ui, customizer, chooser);
    sheet.LoadFrom(settings);
    if (change) change(sheet);
    FormatPreview preview(settings, drawer, sheet, folder, ui, shell, files);
    preview.Preview(format, page);
    shown = preview.shownPath();
    return shown.empty() ? "<nothing shown>" : Read(shown);
  }

  // What a make writes for these settings (with `format` active) into `out`.
  std::string Make(AppSettings made) {
    *made.formats.findFormat(kUserFormatId) = format;
    GenerationJob job(made, ui, files);
    job.setDrawer(kInbox);
    EXPECT_TRUE(job.run(out + "made.htm"));
    return Read(job.writtenPath());
  }

  test::Machine machine;
  test::MemoryDisk& files = machine.disk;
  const std::string receive = files.addFolder("C:\\Kurumin\\Mail");
  const std::string out = files.addFolder("C:\\pages");
  const std::string temporary = files.addFolder("C:\\Temp");
  AppSettings settings;
  HtmlFormat format;
  std::string drawer = kInbox;
  test::ScriptedInteraction& ui = machine.ui;
  NoCustomizer customizer;
  test::ScriptedFolderChooser& chooser = machine.chooser;
  test::RecordingShell& shell = machine.shell;
  PreviewFolder folder{files, temporary};
  std::string shown;
};

TEST_F(FormatPreviewTest, AMailPageIsWhatAMakeWritesForTheNewestTwentyMails) {
  WriteDrawer(25);
  const std::string page = Preview(0);
  ASSERT_EQ(shell.opened, std::vector<std::string>{shown});
  EXPECT_EQ(shown, temporary + "mogura-preview\\" + FormatPreview::kPageName);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(Has(page, "mail page mark"));
  // The newest twenty: a make of the mails from the 6th on writes the same bytes.
  AppSettings newest = settings;
  newest.pickup.SetBeginDate(DateTime::Make(2026, 5, 6));
  newest.pickup.SetEnables(true, false);
  EXPECT_EQ(page, Make(newest));
  EXPECT_FALSE(Has(page, "line of mail 5<br>"));
  EXPECT_TRUE(Has(page, "line of mail 6<br>") && Has(page, "line of mail 25<br>"));
}

TEST_F(FormatPreviewTest, TheMailsAreTheMainDialogsDrawerAndKindWithTheAdvancedSheetsConditions) {
  WriteDrawer(25);
  // The sheet's working copy picks and orders, not the settings it was loaded from.
  std::string page = Preview(0, [](HonkiSheetPresenter& sheet) {
    sheet.pickup.pickup.SetBeginDate(DateTime::Make(2026, 5, 22));
    sheet.pickup.pickup.SetEnables(true, false);
    sheet.pickup.pickup.SetSortDir(true);  // oldest first
  });
  EXPECT_FALSE(Has(page, "mail 21"));
  ASSERT_TRUE(Has(page, "mail 22") && Has(page, "mail 25"));
  EXPECT_LT(page.find("mail 22"), page.find("mail 25"));
  page = Preview(0, [](HonkiSheetPresenter& sheet) { sheet.pickup.pickup.SetSortDir(false); });
  EXPECT_GT(page.find("mail 6"), page.find("mail 25"));  // newest first, still the newest twenty
  EXPECT_FALSE(Has(page, "line of mail 5<br>"));
  // The page title of the word page's working copy.
  format.findPage(PageKind::Mail)->findPlace("Header")->setText("<title>[@MailPageTitle@]</title>");
  page = Preview(0, [](HonkiSheetPresenter& sheet) {
    WordSettings words;
    words.petTitle = "working title";
    sheet.words.SetFrom(words);
  });
  EXPECT_TRUE(Has(page, "<title>working title</title>"));
  // The kind of the main dialog: its diary page.
  settings.kind = kDiaryKind;
  page = Preview(0);
  EXPECT_TRUE(Has(page, "diary line"));
  EXPECT_FALSE(Has(page, "mail 25"));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FormatPreviewTest, WithoutMailsOfTheDrawerItShowsSamplesOfTheKind) {
  // No drawer file at all, then a drawer whose mails the conditions all leave out.
  std::string page = Preview(0);
  EXPECT_TRUE(Has(page, std::string(LoadText(IDS_SAMPLE_PET_SUBJECT_1))));
  WriteDrawer(3);
  page = Preview(0, [](HonkiSheetPresenter& sheet) {
    sheet.pickup.pickup.SetBeginDate(DateTime::Make(2030, 1, 1));
    sheet.pickup.pickup.SetEnables(true, false);
  });
  EXPECT_TRUE(Has(page, std::string(LoadText(IDS_SAMPLE_PET_SUBJECT_2))));
  EXPECT_FALSE(Has(page, "mail 1"));
  drawer.clear();  // none chosen in the main dialog
  settings.kind = kEventMailKind;
  EXPECT_TRUE(Has(Preview(0), std::string(LoadText(IDS_SAMPLE_EVENT_SUBJECT_3))));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FormatPreviewTest, SamplesShowEveryPlaceOfThePage) {
  for (MailKind kind : {kDiaryKind, kPetMailKind, kEventMailKind}) {
    SCOPED_TRACE(kind);
    const MailList samples = SampleMails(kind, true);
    ASSERT_GE(samples.mails.size(), 3u);
    EXPECT_TRUE(samples.sorted && samples.ascending);
    for (const MailHandle& mail : samples.mails) {
      EXPECT_FALSE(mail->subject.empty());
      EXPECT_GE(mail->bodyLines.size(), 2u);
      EXPECT_GE(static_cast<unsigned char>(mail->bodyLines.front()[0]), 0x81u);  // Japanese text
      EXPECT_TRUE(mail->date.valid());
    }
    EXPECT_NE(samples.mails.front()->date.month(), samples.mails.back()->date.month());
    EXPECT_EQ(SampleMails(kind, false).mails.front()->date, samples.mails.back()->date);
  }
  EXPECT_EQ(SampleMails(kDiaryKind, true).mails[0]->subject, LoadText(IDS_DIARY_SUBJECT));
  EXPECT_EQ(SampleMails(kPetMailKind, true).mails[0]->bodyLines.back(), "\x83\x82\x83\x4f");  // its signature

  // Every place of the mail page, each made to show a mark of its own, with a table.
  FormatPage& mail = *format.findPage(PageKind::Mail);
  mail.setOutputList(true);
  mail.setOutputSubject(true);
  for (TemplatePlace& place : mail.places()) place.setText("{" + place.key() + "}");
  settings.kind = kDiaryKind;
  const std::string page = Preview(0);
  for (const TemplatePlace& place : mail.places()) EXPECT_TRUE(Has(page, "{" + place.key() + "}")) << place.key();
}

TEST_F(FormatPreviewTest, AnIndexLinksThePagesBesideItDividedByMonthWhenDivisionIsOff) {
  const std::string page = Preview(1);  // the samples: April and May
  EXPECT_TRUE(Has(page, "index page mark"));
  const std::string folderPath = temporary + "mogura-preview\\";
  EXPECT_EQ(Names(folderPath), (std::vector<std::string>{"preview.htm", "preview202604.htm", "preview202605.htm"}));
  EXPECT_TRUE(Has(page, "href=\"preview202604.htm\""));
  EXPECT_TRUE(Has(page, "href=\"preview202605.htm\""));
  EXPECT_TRUE(Has(Read(folderPath + "preview202605.htm"), "mail page mark"));

  // The working copy's division: one page a day, an index even when it is not asked for.
  WriteDrawer(3);
  const std::string byDay = Preview(1, [](HonkiSheetPresenter& sheet) {
    DivideSettings divide;
    divide.setValid(true);
    divide.setType(static_cast<std::int32_t>(DivideType::Day));
    divide.setOutputIndex(false);
    sheet.divide.SetFrom(divide);
  });
  EXPECT_EQ(Names(folderPath), (std::vector<std::string>{"preview.htm", "preview20260501.htm", "preview20260502.htm",
                                                         "preview20260503.htm"}));
  EXPECT_TRUE(Has(byDay, "href=\"preview20260503.htm\""));
  // The mail page alone is one page, whatever the division.
  Preview(0, [](HonkiSheetPresenter& sheet) {
    DivideSettings divide;
    divide.setValid(true);
    sheet.divide.SetFrom(divide);
  });
  EXPECT_EQ(Names(folderPath), std::vector<std::string>{"preview.htm"});
}

TEST_F(FormatPreviewTest, ThePageIsInTheCharsetOfThePublishingOptionsAndWithoutAFeed) {
  WriteDrawer(2);
  format.findPage(PageKind::Mail)->findPlace("Header")->setText(
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\x83\x82\x83\x4f");
  const std::string shiftJis = Preview(0);
  const std::string utf8 = Preview(0, [](HonkiSheetPresenter& sheet) {
    PublishSettings publish;
    publish.setUtf8(true);
    publish.setFeedUrl("https://example.jp/pets/");
    sheet.divide.SetPublishFrom(publish);
  });
  EXPECT_EQ(utf8.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(utf8, Utf8Page(shiftJis));
  EXPECT_TRUE(Has(utf8, "charset=UTF-8"));
  EXPECT_TRUE(Has(utf8, "\xE3\x83\xA2\xE3\x82\xB0"));  // モグ
  EXPECT_EQ(Names(temporary + "mogura-preview\\"), std::vector<std::string>{"preview.htm"});
}

TEST_F(FormatPreviewTest, ItWritesOnlyIntoItsOwnFolderWhichItEmptiesAndRemoves) {
  WriteDrawer(25);
  settings.divide.setValid(true);  // a make would divide: the output folder must stay empty
  const std::vector<std::string> drawerFiles = Names(receive);
  const std::string drawerBytes = Read(receive + drawerFiles[0]);
  // Someone else's folder of the same name is left alone.
  ASSERT_TRUE(files.createFolder(temporary + "mogura-preview"));
  ASSERT_TRUE(test::WriteBytes(files, temporary + "mogura-preview\\theirs", "x"));
  files.created.clear();  // what the preview creates from here on
  {
    PreviewFolder own(files, temporary);
    HonkiSheetPresenter sheet(ui, customizer, chooser);
    sheet.LoadFrom(settings);
    FormatPreview preview(settings, drawer, sheet, own, ui, shell, files);
    preview.Preview(format, 1);
    const std::string mine = temporary + "mogura-preview-2\\";
    EXPECT_EQ(own.path(), mine);
    EXPECT_EQ(Names(mine), (std::vector<std::string>{"preview.htm", "preview202605.htm"}));
    ASSERT_TRUE(test::WriteBytes(files, mine + "stray.htm", "left over"));
    preview.Preview(format, 0);  // emptied first
    EXPECT_EQ(Names(mine), std::vector<std::string>{"preview.htm"});
    for (const std::string& path : files.created) EXPECT_EQ(path.rfind(mine, 0), 0u) << path;
  }
  // Removed with its files at the end; the other folder is as it was.
  EXPECT_FALSE(files.exists(temporary + "mogura-preview-2"));
  EXPECT_EQ(Read(temporary + "mogura-preview\\theirs"), "x");
  EXPECT_TRUE(Names(out).empty());
  EXPECT_EQ(Names(receive), drawerFiles);
  EXPECT_EQ(Read(receive + drawerFiles[0]), drawerBytes);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FormatPreviewTest, WithoutATemporaryFolderItSaysSoAndOpensNothing) {
  PreviewFolder none(files, std::string());
  HonkiSheetPresenter sheet(ui, customizer, chooser);
  sheet.LoadFrom(settings);
  FormatPreview preview(settings, drawer, sheet, none, ui, shell, files);
  preview.Preview(format, 0);
  EXPECT_TRUE(preview.shownPath().empty());
  EXPECT_TRUE(shell.opened.empty());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, LoadText(IDS_OUTPUT_NOT_OPENED));
  EXPECT_EQ(ui.waitDepth, 0);
  // A page that fails to write: the make command's message, nothing opened.
  WriteDrawer(1);
  PreviewFolder own(files, temporary);
  FormatPreview second(settings, drawer, sheet, own, ui, shell, files);
  files.faults.failNth(test::FileOp::kWrite, 1);
  second.Preview(format, 0);
  EXPECT_TRUE(shell.opened.empty());
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text, LoadText(IDS_WRITE_FAILED));
  EXPECT_GT(ui.waitCursorShown, 0);
  EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(FormatPreviewTest, PreviewSettingsTakeTheWorkingCopiesButKeepTheMainDialogsFolderAndKind) {
  HonkiSheetPresenter sheet(ui, customizer, chooser);
  sheet.LoadFrom(settings);
  sheet.pets.folders.AddFolder(out);
  sheet.pets.folders.SelectFolder(out);
  sheet.pickup.pickup.SetSortDir(true);
  const AppSettings run = PreviewSettingsOf(settings, sheet);
  EXPECT_EQ(run.petFolders.ActiveFolder(), receive);
  EXPECT_EQ(run.kind, kPetMailKind);
  EXPECT_TRUE(run.pickup.SortDir());
  EXPECT_FALSE(run.publish.feed());
  EXPECT_FALSE(run.publish.keepUnchanged());
  EXPECT_FALSE(settings.pickup.SortDir());  // the settings themselves are not touched
}

}  // namespace
}  // namespace mogura
