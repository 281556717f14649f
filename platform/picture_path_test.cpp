#include "platform/picture_path.h"

#include <gtest/gtest.h>

#include "platform/temp_dir_testing.h"

namespace {

TEST(PicturePathTest, DrivePrefixAndTails) {
  EXPECT_EQ(DrivePrefixLength("c:/photos/a.jpg"), 2u);
  EXPECT_EQ(DrivePrefixLength("E:\\a.jpg"), 2u);
  EXPECT_EQ(DrivePrefixLength("/media/c:/a.jpg"), 0u);
  EXPECT_EQ(DrivePrefixLength("1:/a.jpg"), 0u);
  EXPECT_EQ(DrivePrefixLength("c"), 0u);
  EXPECT_EQ(WithoutDrivePrefix("d:\\x"), "\\x");

  struct Case {
    const char* stored;
    std::vector<std::string> tails;
  };
  const Case cases[] = {
      {"c:/photos/trip/a.jpg", {"photos/trip/a.jpg", "trip/a.jpg", "a.jpg"}},
      {"E:\\trip\\a.jpg", {"trip/a.jpg", "a.jpg"}},
      {"/media/u//PHOTOS1/a.jpg",
       {"media/u/PHOTOS1/a.jpg", "u/PHOTOS1/a.jpg", "PHOTOS1/a.jpg", "a.jpg"}},
      {"a.jpg", {"a.jpg"}},
      {"c:", {}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(PathTails(c.stored), c.tails) << c.stored;
}

TEST(PicturePathTest, MediumMountedElsewhereIsFoundByItsTails) {
  CTempDir dir;
  std::string root = dir.MakeDir("run/media/u/PHOTOS1");
  std::string picture = dir.Write("run/media/u/PHOTOS1/trip/a.jpg", "x");
  dir.Write("run/media/u/PHOTOS1/a.jpg", "a shorter tail that must not win");

  EXPECT_EQ(FindOnRoot(root, "/media/old/PHOTOS1/trip/a.jpg"), picture);
  EXPECT_EQ(FindOnRoot(root, "e:\\trip\\a.jpg"), picture);  // from an index made on Windows
  EXPECT_EQ(FindOnRoot(root, "/media/old/PHOTOS1/trip/b.jpg"), std::nullopt);
  EXPECT_EQ(FindOnRoot(root, "/media/old/PHOTOS1/trip"), std::nullopt);  // a folder is no file
}

TEST(PicturePathTest, PathIsResolvedIgnoringCase) {
  CTempDir dir;
  std::string picture = dir.Write("Photos/IMG_0001.JPG", "x");
  // Norwegian letters in both cases: Æ Ø Å / æ ø å.
  std::string nordic = dir.Write("Bilder/\xC3\x86r\xC3\xB8/M\xC3\xA5ne.jpg", "x");

  EXPECT_EQ(ResolveIgnoringCase(picture), picture);
  EXPECT_EQ(ResolveIgnoringCase(dir / "photos/img_0001.jpg"), picture);
  EXPECT_EQ(ResolveIgnoringCase(dir / "bilder/\xC3\xA6R\xC3\x98/M\xC3\x85NE.JPG"), nordic);
  EXPECT_EQ(ResolveIgnoringCase(dir / "photos/img_0002.jpg"), std::nullopt);
  // A folder whose name differs only in case does not hide the one that holds the file.
  dir.Write("photos/other.jpg", "x");
  EXPECT_EQ(ResolveIgnoringCase(dir / "photos/img_0001.jpg"), picture);
  EXPECT_EQ(ResolveIgnoringCase(dir / "photos"), std::nullopt);
  // A byte that is not UTF-8 only matches itself.
  EXPECT_EQ(ResolveIgnoringCase(dir / "photos/img_0001.jp\xC7"), std::nullopt);
  EXPECT_EQ(FindOnRoot(dir.Path(), "c:/PHOTOS/img_0001.jpg"), picture);
}

}  // namespace
