// The archiver's main window end to end: the real program under Xvfb opens an index of 30
// pictures made by snapstore-cli and is driven by clicks, keys and commands; the test reads
// back what the window shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "app/settings_file.h"
#include "imaging/picture_testing.h"
#include "ui/snapstore_program_testing.h"
#include "ui/strip_layout.h"

namespace {

constexpr int kPictures = 30;

std::string Centre(const CRect& rect) {
  return std::to_string((rect.left + rect.right) / 2) + " " +
         std::to_string((rect.top + rect.bottom) / 2);
}

bool Has(const std::vector<std::string>& items, const std::string& item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

}  // namespace

TEST(SnapstoreViewTest, BrowsingSelectingAndTheWindowsPlace) {
  CSnapstoreRun run(SNAPSTORE_BINARY, SNAPSTORE_CLI_BINARY);
  const std::string index = run.MakeIndex(kPictures, EncodeTestJpeg(GradientJpeg(120, 80)));
  run.Cli({"set", index, "000004", "description=The old harbour at dawn"});
  run.Cli({"set", index, "000009", "where=Harbour"});
  const std::string placement = "0 1 -1 -1 -1 -1 40 30 1000 730";
  CSettingsFile(run.SettingsPath()).WriteString("WinPosition", placement);

  // View mode 3: four columns of 60-pixel thumbnails, the first rows of cells as painted.
  const std::vector<CStripCell> cells = StripCells({3, 60, 284, 800}, kPictures, 1);
  const CRect& cell0 = cells[0].rect;
  const CRect& cell2 = cells[2].rect;
  CChildResult result;
  const auto lines = run.Run(
      "sleep 300\nframe\ntitle\nview-mode\nstatus 1\nstatus 2\nview\n"
      "cell 5\nstrip\nkey End\nstrip\nkey Home\nstrip\nkey PageDown\nstrip\nkey Home\n"
      // A click makes a picture current, Ctrl-click selects, Right steps on.
      "click " +
          Centre(cells[5].rect) +
          "\nstatus 1\nstrip\n"
          "click " +
          Centre(cell2) +
          " ctrl\n"
          "pixel " +
          std::to_string(cell2.left + 30) + " " + std::to_string(cell2.bottom - 4) +
          "\nkey Right\nstatus 1\n"
          // The hover tip comes after a second's rest on a cell.
          "move " +
          Centre(cell0) +
          "\nsleep 1300\n"
          "pixel " +
          std::to_string(cell0.left + 1) + " " + std::to_string(cell0.bottom + 6) +
          "\n"
          "rclick " +
          Centre(cell0) +
          "\ncontext-menu\nrclick 700 300\ncontext-menu\n"
          "menu 32788\ncommand 32838\nview-mode\ncommand 32786\nstrip\n"
          // A search from the search bar, then Clear.
          "type-search harbour\ncommand 1028\nstatus 1\nstrip\n"
          "command 1029\nsearch-bar\nstrip\n"
          // The toolbar's search button opens the search dialog: cancelled, then searching.
          "command 32776\nwait-dialog\ndialog\npress Cancel\nstatus 1\n"
          "command 32776\nwait-dialog\ntype 1000 harbour\npress Search\nstatus 1\nclose\n",
      &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;

  EXPECT_EQ(Reports(lines, "frame: "), std::vector<std::string>{"40 30 1000 730"});
  EXPECT_EQ(Reports(lines, "title: "),
            std::vector<std::string>{"Kestrel's Albumcraft 3.2.2 - Photo index: " + index});
  EXPECT_EQ(Reports(lines, "view-mode: "),
            (std::vector<std::string>{"4 columns", "1 column with text"}));
  EXPECT_EQ(Reports(lines, "status 1: "),
            (std::vector<std::string>{"Record: 1/30", "Record: 6/30", "Record: 7/30", "Record: 1/2",
                                      "Record: 0/0", "Record: 1/2"}));
  EXPECT_EQ(Reports(lines, "search-bar: "), std::vector<std::string>{"|ALL"});
  EXPECT_EQ(Reports(lines, "dialog: "), std::vector<std::string>{"Search"});
  EXPECT_EQ(Reports(lines, "status 2: "),
            std::vector<std::string>{run.home() / "pictures/photo001.jpg   (120x80)"});
  EXPECT_EQ(Reports(lines, "cell 5: "), std::vector<std::string>{"69 83 132 146"});

  // Home, End and PgDn move the strip by the rows that fit into the view.
  int width = 0, height = 0;
  std::istringstream(Reports(lines, "view: ").at(0)) >> width >> height;
  const int page = NavigationRows(height, 60) * 4;
  auto strips = Reports(lines, "strip: first ");
  ASSERT_EQ(strips.size(), 8u);
  auto first = [&](size_t i) { return std::stoi(strips[i]); };
  EXPECT_EQ(first(0), 1);
  EXPECT_EQ(first(1), std::max(1, kPictures - page + 1));
  EXPECT_EQ(first(2), 1);
  EXPECT_EQ(first(3), std::min(kPictures, 1 + page));
  EXPECT_NE(strips[0].find("count 30 scrollbar 0/30"), std::string::npos) << strips[0];
  EXPECT_NE(strips[4].find("current 6"), std::string::npos) << strips[4];
  EXPECT_NE(strips[5].find("scrollbar hidden"), std::string::npos) << strips[5];
  EXPECT_NE(strips[6].find("1 current 1 count 2 "), std::string::npos) << strips[6];
  EXPECT_NE(strips[7].find("current 0 count 0"), std::string::npos) << strips[7];

  const auto pixels = Reports(lines, "pixel ");
  ASSERT_EQ(pixels.size(), 2u);
  EXPECT_EQ(pixels[0].substr(pixels[0].find(':')), ": 0 0 125");      // the selected cell's fill
  EXPECT_EQ(pixels[1].substr(pixels[1].find(':')), ": 255 255 225");  // the hover tip

  const auto menus = Reports(lines, "context-menu: ");
  EXPECT_TRUE(Has(menus, "enabled Delete picture")) << testing::PrintToString(menus);
  EXPECT_TRUE(Has(menus, "popup Thumbnail view"));
  EXPECT_TRUE(Has(menus, "  enabled checked 4 columns"));
  EXPECT_TRUE(Has(menus, "enabled Next picture"));
  EXPECT_TRUE(Has(menus, "enabled Copy to clipboard"));
  EXPECT_TRUE(Has(menus, "enabled Annotate..."));
  EXPECT_EQ(std::count(menus.begin(), menus.end(), "enabled Add to category..."), 2);
  EXPECT_EQ(Reports(lines, "menu 32788: "),
            std::vector<std::string>{"enabled &Delete picture\tDel"});

  // Closing stored the window's place.
  EXPECT_EQ(CSettingsFile(run.SettingsPath()).ReadString("WinPosition", ""), placement);
}

TEST(SnapstoreViewTest, AnUnpluggedMediumShowsItsCachedThumbnailsAndThePlaceholder) {
  CSnapstoreRun run(SNAPSTORE_BINARY, SNAPSTORE_CLI_BINARY);
  const std::string usb = run.home().MakeDir("usb");
  run.SetVolumes("/\tfixed\t\n" + usb + "\tremovable\tPHOTOS1\n");
  CTestJpeg red{80, 60};
  for (int i = 0; i < 80 * 60; ++i) red.samples.insert(red.samples.end(), {220, 20, 20});
  // The import keeps each picture's thumbnail in the index's cache file.
  run.MakeIndex(3, EncodeTestJpeg(red), "usb/photos");
  // The medium is unplugged.
  const std::string elsewhere = run.home().MakeDir("media") + "/PHOTOS1";
  std::filesystem::rename(usb, elsewhere);
  run.SetVolumes("/\tfixed\t\n");

  const CRect cell = StripCells({3, 60, 284, 800}, 3, 1)[1].rect;
  // Refreshing the thumbnails asks for the medium by its label; "Skip volume" goes on without.
  auto lines = run.Run("sleep 300\nstatus 2\npixel " + Centre(cell) +
                       "\ncommand 32854\nwait-dialog\ndialog\ndialog-text\npress Skip volume\n"
                       "sleep 300\ndialog\nclose\n");
  EXPECT_EQ(Reports(lines, "dialog: "), (std::vector<std::string>{"Insert volume", "none"}));
  EXPECT_EQ(Reports(lines, "dialog-text: "), std::vector<std::string>{"PHOTOS1"});
  // The picture area shows the placeholder (240 x 180) for the picture's path.
  EXPECT_EQ(Reports(lines, "status 2: "),
            std::vector<std::string>{usb + "/photos/photo001.jpg   (240x180)"});
  // The strip shows the thumbnail from the cache file.
  const auto pixels = Reports(lines, "pixel ");
  ASSERT_EQ(pixels.size(), 1u);
  int r = 0, g = 0, b = 0;
  std::istringstream(pixels[0].substr(pixels[0].find(':') + 1)) >> r >> g >> b;
  EXPECT_GT(r, 180) << pixels[0];
  EXPECT_LT(g, 60) << pixels[0];
  EXPECT_LT(b, 60) << pixels[0];

  // The medium comes back, mounted somewhere else: the picture shows again (its own size),
  // read from the new place; the record keeps the path it was added with.
  run.SetVolumes("/\tfixed\t\n" + elsewhere + "\tremovable\tPHOTOS1\n");
  lines = run.Run("sleep 300\nstatus 2\nclose\n");
  EXPECT_EQ(Reports(lines, "status 2: "),
            std::vector<std::string>{usb + "/photos/photo001.jpg   (80x60)"});
}
