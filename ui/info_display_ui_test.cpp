// The picture information dialog end to end: the toolbar button of the real archiver opens it
// for the current picture, a camera JPEG made here with known EXIF tags; its rows are the
// lines of snapstore-cli info, they alternate white and light blue, the list is as tall as
// its rows, and Ctrl+C copies the selected rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "imaging/exif_block_testing.h"
#include "imaging/picture_testing.h"
#include "ui/snapstore_program_testing.h"

namespace {

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

TEST(InfoDisplayTest, TheToolbarButtonShowsTheCliLinesOfTheCurrentPicture) {
  CSnapstoreRun run(SNAPSTORE_BINARY, SNAPSTORE_CLI_BINARY);
  CTestJpeg camera = GradientJpeg(160, 120);
  camera.app1 = CameraExif(false).Payload();
  const std::string index = run.MakeIndex(2, EncodeTestJpeg(camera));
  run.Cli({"set", index, "000002", "where=Bergen", "description=The fish market\r\nat dawn"});
  const std::vector<std::string> cli = LinesOf(run.Cli({"info", index, "000002"}));
  ASSERT_GE(cli.size(), 10u);

  CChildResult result;
  const auto lines = run.Run(
      "sleep 300\nmenu 32853\nkey Right\n"
      "tool 32853\nwait-dialog\ndialog\ndialog-list\ndialog-list-fit\n"
      "dialog-list-colour 0\ndialog-list-colour 1\ndialog-list-colour 2\n"
      "dialog-list-select 0\ndialog-list-select 2\ndialog-key C ctrl\nclipboard\n"
      "press Close\nsleep 100\ndialog\nclose\n",
      &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(result.err.find("WARNING"), std::string::npos) << result.err;
  EXPECT_EQ(Reports(lines, "menu 32853: "),
            std::vector<std::string>{"enabled Picture in&formation..."});
  EXPECT_EQ(Reports(lines, "dialog: "), (std::vector<std::string>{"Picture information", "none"}));
  const std::vector<std::string> rows = Reports(lines, "dialog-list: ");
  EXPECT_EQ(rows, cli);
  ASSERT_GE(rows.size(), 3u);
  EXPECT_EQ(rows[0], "ID\t000002");
  EXPECT_NE(std::find(rows.begin(), rows.end(), "Description\tThe fish market at dawn"),
            rows.end());
  // Every row shows whole, and no more room than the rows need.
  EXPECT_EQ(Reports(lines, "dialog-list-fit: "),
            std::vector<std::string>{"rows " + std::to_string(rows.size()) + " page " +
                                     std::to_string(rows.size())});
  EXPECT_EQ(Reports(lines, "dialog-list-colour 0: "), std::vector<std::string>{"255 255 255"});
  EXPECT_EQ(Reports(lines, "dialog-list-colour 1: "), std::vector<std::string>{"240 240 255"});
  EXPECT_EQ(Reports(lines, "dialog-list-colour 2: "), std::vector<std::string>{"255 255 255"});
  EXPECT_EQ(Reports(lines, "clipboard: "),
            std::vector<std::string>{rows[0] + "\\n" + rows[2] + "\\n"});
}
