// "Create web pages" in the archiver: the dialog over the pictures marked with Ctrl+A, the
// question, the pages beside the index, and Cancel giving the run number back.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/settings_file.h"
#include "imaging/picture_testing.h"
#include "ui/snapstore_program_testing.h"

TEST(WebAlbumUiTest, MarkedPicturesBecomePagesAndCancelKeepsTheRunNumber) {
  CSnapstoreRun run(SNAPSTORE_BINARY, SNAPSTORE_CLI_BINARY);
  const std::string index = run.MakeIndex(2, EncodeTestJpeg(GradientJpeg(640, 480)));
  const std::string html = std::filesystem::path(index).parent_path() / "html";
  CChildResult result;
  const auto lines = run.Run(
      "sleep 200\ncommand 32845\ncommand 32832\nwait-dialog\ndialog\ntype 1144 Tom & Jerry "
      "<3\npress OK\n"
      "wait-dialog\ndialog\nanswer yes\nsleep 300\ndialog\n"
      "command 32820\nwait-dialog\ndialog\npress Cancel\nsleep 200\ndialog\nclose\n",
      &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(Reports(lines, "dialog: "),
            (std::vector<std::string>{"Generate web pages", "none", "Generate web pages", "none"}));
  EXPECT_EQ(Reports(lines, "message: "),
            std::vector<std::string>{
                "There will now be generated web pages for 2 images.\\nDo you want to do this?"});
  const std::optional<std::string> album = CTempDir::Read(html + "/album_002_01.htm");
  ASSERT_TRUE(album.has_value());
  EXPECT_NE(album->find("<FONT SIZE=+4>Tom &amp; Jerry &lt;3</FONT>"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(html + "/tnail_002.htm"));
  EXPECT_TRUE(std::filesystem::exists(html + "/image/img_000002T.jpg"));
  // The run took 2; the cancelled one gave 3 back.
  EXPECT_EQ(CSettingsFile(run.SettingsPath()).ReadNumber("WebFileCounter", 0), 2);
}
