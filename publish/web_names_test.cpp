#include "publish/web_names.h"

#include <gtest/gtest.h>

#include "platform/temp_dir_testing.h"

namespace {

TEST(WebNamesTest, PageNamesAndRunNumbers) {
  EXPECT_EQ(ThumbnailPageName(7), "tnail_007.htm");
  EXPECT_EQ(AlbumPageName(7), "album_007_01.htm");
  EXPECT_EQ(AlbumPageName(999), "album_999_01.htm");
  struct Case {
    int run, next;
  } cases[] = {{1, 2}, {998, 999}, {999, 1}, {0, 1}, {-5, 1}, {1200, 1}};
  for (const Case& c : cases) EXPECT_EQ(NextWebRun(c.run), c.next) << c.run;
}

TEST(WebNamesTest, IdsBecomeNamesALinkCarriesUnchanged) {
  struct Case {
    const char* id;
    const char* full;
  } cases[] = {
      {"P00001", "img_P00001.jpg"},
      {"2004.07-a_b", "img_2004.07-a_b.jpg"},
      {"A/B", "img_A~2FB.jpg"},
      {"a b#c?d%e\"f", "img_a~20b~23c~3Fd~25e~22f.jpg"},
      {"x~2F", "img_x~7E2F.jpg"},  // "~" itself is written out, so no two IDs meet
      {"R\xC3\xB8ros", "img_R\xC3\xB8ros.jpg"},
      {"R\xF8ros", "img_R\xC3\xB8ros.jpg"},  // stored on Windows
  };
  for (const Case& c : cases) EXPECT_EQ(FullPictureName(c.id), c.full) << c.id;
  EXPECT_EQ(AlbumPictureName("A/B"), "img_A~2FBA.jpg");
  EXPECT_EQ(ThumbnailPictureName("A/B"), "img_A~2FBT.jpg");
}

TEST(WebNamesTest, NextRunFollowsTheHighestThumbnailPage) {
  CTempDir folder;
  EXPECT_EQ(NextRunInFolder(folder / "html"), 1);  // no folder
  const std::string html = folder.MakeDir("html");
  EXPECT_EQ(NextRunInFolder(html), 1);
  folder.Write("html/tnail_004.htm", "");
  folder.Write("html/tnail_012.htm", "");
  folder.Write("html/tnail_50.htm", "");      // not a run's name
  folder.Write("html/tnail_0x9.htm", "");     // nor this
  folder.Write("html/album_400_01.htm", "");  // album pages do not count
  EXPECT_EQ(NextRunInFolder(html), 13);
  folder.Write("html/tnail_999.htm", "");
  EXPECT_EQ(NextRunInFolder(html), 1);
}

}  // namespace
