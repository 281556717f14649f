#include "platform/utility.h"

#include <gtest/gtest.h>

#include "platform/temp_dir_testing.h"

namespace {

TEST(UtilityTest, DateTextIsDayMonthYearWithOptionalTime) {
  {
    CScopedEnv tz("TZ", "UTC");
    CScopedEnv locale("LC_ALL", "C.UTF-8");
    tzset();
    EXPECT_EQ(CUtility::DateText(1078668330, false), "07 March 2004");
    // Longer than 20 characters: never cut short.
    EXPECT_EQ(CUtility::DateText(1096535220, true), "30 September 2004  09:07");
  }
  tzset();  // back to the time zone of the machine
}

TEST(UtilityTest, FileNameAndFolders) {
  EXPECT_EQ(CUtility::FileNameOf("/media/u/PHOTOS1/a.jpg"), "a.jpg");
  EXPECT_EQ(CUtility::FileNameOf("c:\\photos\\b.jpg"), "b.jpg");
  EXPECT_EQ(CUtility::FileNameOf("c:\\photos/dir\\c.jpg"), "c.jpg");
  EXPECT_EQ(CUtility::FileNameOf("d.jpg"), "d.jpg");
  EXPECT_EQ(CUtility::FileNameOf("/media/"), "");

  CTempDir dir;
  std::string empty = dir.MakeDir("empty");
  std::string full = dir.MakeDir("full");
  dir.Write("full/.hidden", "");
  EXPECT_TRUE(CUtility::FolderExists(empty));
  EXPECT_FALSE(CUtility::FolderExists(dir / "full/.hidden"));
  EXPECT_FALSE(CUtility::FolderExists(dir / "missing"));
  EXPECT_FALSE(CUtility::FolderHasEntries(empty));
  EXPECT_TRUE(CUtility::FolderHasEntries(full));
  EXPECT_FALSE(CUtility::FolderHasEntries(dir / "missing"));
}

}  // namespace
