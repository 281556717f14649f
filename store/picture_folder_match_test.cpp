#include "store/picture_folder_match.h"

#include <gtest/gtest.h>

#include "store/store_testing.h"

namespace {

TEST(PictureFolderMatchTest, OnlyTheFolderItselfMatchesWithoutDrivePrefixCaseOrSeparatorKind) {
  struct CCase {
    const char* folder;
    const char* stored;
    bool subfolders;
    std::optional<std::string> below;
  };
  const CCase cases[] = {
      {"/photos/2001", "/photos/2001/x.jpg", false, "x.jpg"},
      {"/photos/2001", "c:/photos/2001/x.jpg", false, "x.jpg"},
      {"/photos/2001", "D:\\PHOTOS\\2001\\y.jpg", false, "y.jpg"},
      {"c:\\Photos\\2001", "/photos/2001/x.jpg", false, "x.jpg"},
      {"c:\\Photos\\2001", "D:\\PHOTOS\\2001\\y.jpg", false, "y.jpg"},
      {"/photos/2001", "/photos/2001/trip/z.jpg", false, std::nullopt},
      {"/photos/2001", "/photos/2001/trip/z.jpg", true, "trip/z.jpg"},
      {"/photos/2001", "c:\\photos\\2001\\trip\\z.jpg", true, "trip/z.jpg"},
      {"/photos/2001", "/photos/20011/x.jpg", true, std::nullopt},
      {"/photos/2001", "/photos/x.jpg", true, std::nullopt},
      {"/Fotos/ÆRØ", "/fotos/ærø/Å.jpg", false, "Å.jpg"},
      // The root's pictures: "/" typed loses its separator and leaves the empty folder.
      {"", "/x.jpg", false, "x.jpg"},
      {"", "/a/x.jpg", false, std::nullopt},
      {"/photos/2001", "x.jpg", true, std::nullopt},
  };
  for (const CCase& c : cases) {
    EXPECT_EQ(PathBelowFolder(c.stored, FolderMatchKey(c.folder), c.subfolders), c.below)
        << c.folder << " " << c.stored << " " << c.subfolders;
  }
}

TEST(PictureFolderMatchTest, FindByDirectoryListsTheMatchesInRecordOrder) {
  CTempDir dir;
  Cdatabase db;
  CreateIndex(db, dir / "pics.acx");
  for (const char* path : {"/photos/2001/x.jpg", "/photos/2001/trip/z.jpg", "c:/photos/x.jpg",
                           "D:\\PHOTOS\\2001\\y.jpg"}) {
    ASSERT_EQ(AddTestPicture(db, path), AddResult::kDone) << path;
  }
  std::vector<std::string> list;
  EXPECT_EQ(db.FindByDirectory("/photos/2001", list), 2);
  EXPECT_EQ(list, (std::vector<std::string>{"000001", "000004"}));
  list.clear();
  EXPECT_EQ(db.FindByDirectory("c:\\Photos\\2001", list, true), 3);
  EXPECT_EQ(list, (std::vector<std::string>{"000001", "000002", "000004"}));
}

}  // namespace
