// Printing end to end: the real archiver prints marked pictures through wx's GTK printing into
// PDF files, whose pages poppler-utils read back; the preview and GTK's print dialog open and
// close, and a medium that is away is asked for until Cancel ends the job.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/settings_file.h"
#include "imaging/picture_testing.h"
#include "publish/pdf_testing.h"
#include "ui/snapstore_program_testing.h"

namespace {

// The run's GTK offers only its printer "Print to File": no print server is looked for.
void OnlyPrintToFile(const CSnapstoreRun& run) {
  run.home().Write("config/gtk-3.0/settings.ini", "[Settings]\ngtk-print-backends=file\n");
}

// The lines that start printing into `pdf` with the "Printing" dialog's `choices`.
std::string PrintLines(const std::string& pdf, const std::string& choices) {
  return "print-to-file " + pdf + "\ncommand 57607\nwait-dialog\ndialog\n" + choices +
         "press Print\n";
}

}  // namespace

TEST(PrintingTest, MarkedPicturesArePrintedTurnedToTheirCells) {
  CSnapstoreRun run(SNAPSTORE_BINARY, SNAPSTORE_CLI_BINARY);
  OnlyPrintToFile(run);
  // Landscape pictures with a red top-left quarter.
  run.MakeIndex(5, EncodeTestJpeg(CornerJpeg(160, 120)));
  const std::string four = run.home() / "four.pdf";
  const std::string two = run.home() / "two.pdf";
  const std::string current = run.home() / "current.pdf";
  CChildResult result;
  const auto lines = run.Run(
      "sleep 300\nmenu 57607\ncommand 32845\n" +  // every picture marked (Ctrl+A)
          PrintLines(four, "choose 4\n") + "wait-print\n" + PrintLines(two, "choose 2\n") +
          "wait-print\n" + PrintLines(current, "choose 4\nchoose Current picture\n") +
          "wait-print\n" +
          // The preview of the marked pictures at 4 per page, the dialog's last choice; F1 in the
          // dialog opens the help on printing.
          "command 57609\nwait-dialog\ndialog-key F1\nhelp-page\npress Close\npress Print\n"
          "preview\npreview-page 2\npreview\n"
          "menu 57607\nclose-preview\nwait-print\n"
          // "&Print..." without a file opens GTK's print dialog.
          "command 57607\nwait-dialog\npress Print\nwait-dialog\ndialog\nanswer cancel\n"
          "wait-print\nmenu 57607\nclose\n",
      &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(result.err.find("WARNING"), std::string::npos) << result.err;
  EXPECT_EQ(Reports(lines, "error"), std::vector<std::string>{}) << testing::PrintToString(lines);
  EXPECT_EQ(Reports(lines, "dialog: "), std::vector<std::string>(3, "Printing"));
  EXPECT_EQ(Reports(lines, "print-dialog: "), std::vector<std::string>{"Print"});
  const auto help = Reports(lines, "help-page: ");
  ASSERT_EQ(help.size(), 1u);
  EXPECT_NE(help[0].find("help_printing.html"), std::string::npos) << help[0];
  EXPECT_EQ(Reports(lines, "preview: "), (std::vector<std::string>{"page 1 of 2", "page 2 of 2"}));
  // Disabled while the preview shows its job.
  EXPECT_EQ(Reports(lines, "menu 57607: "),
            (std::vector<std::string>{"enabled &Print...\tCtrl+P", "disabled &Print...\tCtrl+P",
                                      "enabled &Print...\tCtrl+P"}));
  EXPECT_EQ(CSettingsFile(run.SettingsPath()).ReadString("PrintMode", ""), "2");

  // Five at 4 per page: four on the first page, the fifth in the second page's top-left cell;
  // each landscape picture turned clockwise for its portrait cell (120 x 160, the red corner
  // at the top right).
  EXPECT_EQ(PdfPages(four), 2);
  EXPECT_EQ(PdfImages(four),
            (std::vector<CPdfImage>{
                {1, 120, 160}, {1, 120, 160}, {1, 120, 160}, {1, 120, 160}, {2, 120, 160}}));
  const CRenderedPage first(four, 1);
  // Cell 0 is (0, 0, 1237, 1751); the picture fills (0, 0, 1237, 1649) of it.
  EXPECT_EQ(first.ColourAt(900, 300), "red");
  EXPECT_EQ(first.ColourAt(300, 300), "blue");
  EXPECT_EQ(first.ColourAt(300, 1300), "blue");
  EXPECT_EQ(first.ColourAt(2100, 2100), "red");  // cell 3 from (1243, 1757)
  const CRenderedPage second(four, 2);
  EXPECT_EQ(second.ColourAt(300, 1300), "blue");
  EXPECT_EQ(second.ColourAt(1800, 1000), "white");
  EXPECT_EQ(second.ColourAt(600, 2600), "white");
  EXPECT_EQ(second.ColourAt(1800, 2600), "white");

  // Two per page on a portrait sheet: two landscape cells, the pictures as they are.
  EXPECT_EQ(PdfPages(two), 3);
  for (const CPdfImage& image : PdfImages(two)) EXPECT_EQ(image.width, 160) << image.page;
  const CRenderedPage landscape(two, 1);
  // The picture fills (0, 0, 2334, 1751) of the cell (0, 0, 2480, 1751).
  EXPECT_EQ(landscape.ColourAt(300, 300), "red");
  EXPECT_EQ(landscape.ColourAt(1800, 300), "blue");
  EXPECT_EQ(landscape.ColourAt(300, 2100), "red");  // the second cell, from y = 1757

  // "Current picture" prints the current record alone, whatever is marked.
  EXPECT_EQ(PdfPages(current), 1);
  EXPECT_EQ(PdfImages(current), (std::vector<CPdfImage>{{1, 120, 160}}));
}

TEST(PrintingTest, CancelAtTheInsertMediumRequestEndsTheJob) {
  CSnapstoreRun run(SNAPSTORE_BINARY, SNAPSTORE_CLI_BINARY);
  OnlyPrintToFile(run);
  const std::string usb = run.home().MakeDir("usb");
  run.SetVolumes("/\tfixed\t\n" + usb + "\tremovable\tPHOTOS1\n");
  run.MakeIndex(2, EncodeTestJpeg(CornerJpeg(160, 120)), "usb/photos");
  // The medium is unplugged.
  std::filesystem::rename(usb, run.home() / "elsewhere");
  run.SetVolumes("/\tfixed\t\n");
  const std::string pdf = run.home() / "away.pdf";
  CChildResult result;
  const std::string answer = "wait-dialog\ndialog\nanswer cancel\nwait-print\n";
  const auto lines =
      run.Run("sleep 300\ncommand 32845\n" + PrintLines(pdf, "choose 1\n") + answer +
                  "command 57609\nwait-dialog\npress Print\n" + answer + "preview\ndialog\nclose\n",
              &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(Reports(lines, "error"), std::vector<std::string>{}) << testing::PrintToString(lines);
  // Asked once for each job, which ends at Cancel: the preview closes.
  EXPECT_EQ(Reports(lines, "message: "),
            std::vector<std::string>(2, "Please insert CD labeled : PHOTOS1"));
  EXPECT_EQ(Reports(lines, "preview: "), std::vector<std::string>{"none"});
  EXPECT_EQ(Reports(lines, "dialog: "), (std::vector<std::string>{"Printing", "none"}));
  EXPECT_FALSE(std::filesystem::exists(pdf));
}
