// The archiver's first flows end to end, as a user meets them: the first start, the import
// dialog, the progress dialog with its Abort, the log, the strip, a search, a delete, and a
// second start that finds everything where the first one left it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/settings_file.h"
#include "imaging/picture_testing.h"
#include "ui/snapstore_program_testing.h"

namespace {

// Writes `count` pictures photo01.jpg, photo02.jpg, ... into `folder` of the home, each
// `jpeg`; the second and later are hard links to the first, so that many large pictures
// cost the disk one. Returns the folder's path.
std::string WritePictures(const CSnapstoreRun& run, const std::string& folder, int count,
                          const CTestJpeg& picture) {
  const std::vector<uint8_t> jpeg = EncodeTestJpeg(picture);
  const std::string first =
      run.home().Write(folder + "/photo01.jpg", std::string(jpeg.begin(), jpeg.end()));
  for (int i = 2; i <= count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/photo%02d.jpg", i);
    std::filesystem::create_hard_link(first, run.home() / (folder + name));
  }
  return run.home() / folder;
}

// A picture of noise: slow to decode for its size.
CTestJpeg NoisePicture(int width, int height) {
  CTestJpeg picture{width, height};
  uint32_t seed = 12345;
  picture.samples.resize(static_cast<size_t>(width) * height * 3);
  for (uint8_t& sample : picture.samples) {
    seed = seed * 1664525u + 1013904223u;
    sample = static_cast<uint8_t>(seed >> 24);
  }
  return picture;
}

}  // namespace

TEST(ArchiverLoopTest, FirstStartImportSearchDeleteAndTheNextStart) {
  CSnapstoreRun run(SNAPSTORE_BINARY, SNAPSTORE_CLI_BINARY);
  const std::string folder = WritePictures(run, "shots", 4, GradientJpeg(160, 120));
  const std::string index = run.home() / "Documents/Albumcraft/PhotoIndex.acx";
  CChildResult result;
  auto lines = run.Run(
      "wait-dialog\ndialog\npress Auto\n"
      "wait-dialog\ndialog\nanswer yes\n"
      // The import dialog: the folder opened in the tree, all its pictures chosen.
      "wait-dialog\ndialog\nimport-folder " +
          folder +
          "\nimport-select-all\nimport-list\npress IMPORT\n"
          "wait-dialog\ndialog\ndialog-text\npress OK\nsleep 200\n"
          "title\nstatus 1\nstrip\n"
          // A search for one picture's ID, then for all of them; Delete on the third.
          "type-search 000003\ncommand 1028\nstatus 1\nstatus 2\n"
          "type-search 00000*\ncommand 1028\nkey Right\nkey Right\nstatus 1\n"
          "key Delete\nwait-dialog\ndialog\npress Yes\nsleep 200\nstatus 1\nstatus 2\nstrip\n"
          "frame\nclose\n",
      &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(Reports(lines, "dialog: "),
            (std::vector<std::string>{"No Photo Index selected", "Import pictures", "Import log",
                                      "Delete picture"}));
  EXPECT_EQ(Reports(lines, "message: "),
            std::vector<std::string>{"Photo Index have been successfully created in " + index +
                                     "\\n\\nDo you want to add photos to this index now?"});
  EXPECT_EQ(Reports(lines, "import-tree: "), std::vector<std::string>{folder});
  EXPECT_EQ(Reports(lines, "import-list: "),
            (std::vector<std::string>{"8 ..", "7 photo01.jpg selected", "7 photo02.jpg selected",
                                      "7 photo03.jpg selected", "7 photo04.jpg selected"}));
  const auto log = Reports(lines, "dialog-text: ");
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(log[0].find("photo04.jpg"), std::string::npos) << log[0];
  EXPECT_EQ(Reports(lines, "title: "),
            std::vector<std::string>{"Kestrel's Albumcraft 3.2.2 - Photo index: " + index});
  EXPECT_EQ(Reports(lines, "status 1: "), (std::vector<std::string>{"Record: 1/4   ", "Record: 1/1",
                                                                    "Record: 3/4", "Record: 3/3"}));
  EXPECT_EQ(Reports(lines, "status 2: "),
            (std::vector<std::string>{folder + "/photo03.jpg   (160x120)",
                                      folder + "/photo04.jpg   (160x120)"}));
  const auto strips = Reports(lines, "strip: ");
  ASSERT_EQ(strips.size(), 2u);
  EXPECT_NE(strips[0].find("count 4"), std::string::npos) << strips[0];
  EXPECT_NE(strips[1].find("current 3 count 3"), std::string::npos) << strips[1];
  EXPECT_TRUE(std::filesystem::exists(index));
  const auto frame = Reports(lines, "frame: ");
  ASSERT_EQ(frame.size(), 1u);

  // The next start: no first-start dialog, the same index, result list and window place.
  // The about box comes from the Help menu. F1 opens the help at the main window's topic, and
  // inside the import dialog at the topic of adding pictures.
  lines = run.Run(
      "sleep 300\ndialog\ntitle\nstatus 1\nstatus 2\nframe\n"
      "command 57664\nwait-dialog\ndialog\npress OK\n"
      "command 57670\nsleep 300\nhelp-page\n"
      "command 32771\nwait-dialog\ndialog-key F1\nsleep 300\nhelp-page\npress Close\npress Cancel\n"
      "close\n",
      &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(Reports(lines, "dialog: "),
            (std::vector<std::string>{"none", "About Kestrel's Albumcraft"}));
  const auto help = Reports(lines, "help-page: ");
  ASSERT_EQ(help.size(), 2u);
  EXPECT_NE(help[0].find("help_main_window.html"), std::string::npos) << help[0];
  EXPECT_NE(help[1].find("help_add_pictures.html"), std::string::npos) << help[1];
  EXPECT_EQ(Reports(lines, "title: "),
            std::vector<std::string>{"Kestrel's Albumcraft 3.2.2 - Photo index: " + index});
  EXPECT_EQ(Reports(lines, "frame: "), frame);
  EXPECT_EQ(Reports(lines, "status 1: "), std::vector<std::string>{"Record: 3/3"});
  EXPECT_EQ(Reports(lines, "status 2: "),
            std::vector<std::string>{folder + "/photo04.jpg   (160x120)"});
}

TEST(ArchiverLoopTest, AbortStopsAnImportAfterTheCurrentPicture) {
  CSnapstoreRun run(SNAPSTORE_BINARY, SNAPSTORE_CLI_BINARY);
  const std::string index = run.MakeIndex(0, {});
  // Long enough an import (a second or more) for the lines that run while it runs.
  constexpr int kPictures = 99;
  const std::string folder = WritePictures(run, "large", kPictures, NoisePicture(2000, 1500));
  CChildResult result;
  const auto lines = run.Run(
      "sleep 200\ncommand 32771\nwait-dialog\nimport-folder " + folder +
          "\nimport-select-all\ncheck Make thumbnails while importing=on\npress IMPORT\n"
          // While the import runs the window takes help but no other command.
          "wait-progress\nprogress\nmenu 32771\nmenu 57670\npress Abort\n"
          "wait-dialog\ndialog\ndialog-text\npress OK\nsleep 200\nstrip\nmenu 32771\nclose\n",
      &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  const auto progress = Reports(lines, "progress: ");
  ASSERT_EQ(progress.size(), 1u);
  EXPECT_EQ(progress[0].rfind("Importing pictures...|", 0), 0u) << progress[0];
  EXPECT_EQ(Reports(lines, "menu 32771: "),
            (std::vector<std::string>{"disabled &Add pictures...\tCtrl+I",
                                      "enabled &Add pictures...\tCtrl+I"}));
  EXPECT_EQ(Reports(lines, "menu 57670: "), std::vector<std::string>{"enabled &Contents\tF1"});
  EXPECT_EQ(Reports(lines, "dialog: "), std::vector<std::string>{"Import log"});
  // Some pictures were added, not all: each one added is in the log and in the strip.
  const auto strips = Reports(lines, "strip: ");
  ASSERT_EQ(strips.size(), 1u);
  const int count = std::stoi(strips[0].substr(strips[0].find("count ") + 6));
  EXPECT_GT(count, 0) << strips[0];
  EXPECT_LT(count, kPictures) << strips[0];
  const std::string log = Reports(lines, "dialog-text: ").at(0);
  char last_added[32];
  std::snprintf(last_added, sizeof last_added, "/photo%02d.jpg", count);
  EXPECT_NE(log.find(last_added), std::string::npos) << log;
  std::snprintf(last_added, sizeof last_added, "/photo%02d.jpg", count + 1);
  EXPECT_EQ(log.find(last_added), std::string::npos) << log;
}

TEST(ArchiverLoopTest, NewAndSelectGoThroughTheFileDialogs) {
  CSnapstoreRun run(SNAPSTORE_BINARY, SNAPSTORE_CLI_BINARY);
  const std::string first = run.MakeIndex(0, {});
  const std::string second = run.home() / "index/second.acx";
  CChildResult result;
  const auto lines =
      run.Run("sleep 200\ncommand 57600\nwait-dialog\ndialog\nfile-dialog " + second +
                  "\nanswer ok\nwait-dialog\ndialog\nanswer ok\n"
                  "sleep 300\ntitle\n"
                  "command 57601\nwait-dialog\ndialog\nfile-dialog " +
                  first + "\nsleep 500\nanswer ok\nsleep 300\ntitle\nclose\n",
              &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  const auto dialogs = Reports(lines, "file-dialog: ");
  ASSERT_EQ(dialogs.size(), 2u) << testing::PrintToString(lines);
  EXPECT_EQ(dialogs[0], "Create new photo archive|Albumcraft (*.acx)");
  EXPECT_EQ(dialogs[1], "Select a file|Framehold (*.acx)");
  EXPECT_EQ(Reports(lines, "message: "),
            std::vector<std::string>{"I-0001: A new database was successfully created."});
  EXPECT_EQ(Reports(lines, "title: "),
            (std::vector<std::string>{"Kestrel's Albumcraft 3.2.2 - Photo index: " + second,
                                      "Kestrel's Albumcraft 3.2.2 - Photo index: " + first}));
  EXPECT_TRUE(std::filesystem::exists(second));
}
