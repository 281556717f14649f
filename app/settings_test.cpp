#include "app/settings.h"

#include <gtest/gtest.h>

#include "platform/folders.h"
#include "platform/temp_dir_testing.h"

namespace {

TEST(SettingsTest, MissingFileGivesTheDefaults) {
  CTempDir dir;
  CScopedEnv home("HOME", dir / "home");
  CSettings settings;
  settings.Gamma = 50;
  settings.ReadAll(CSettingsFile(dir / "missing.ini"));
  EXPECT_EQ(settings.InstallPath, InstallDataFolder());
  EXPECT_EQ(settings.Import_dir, dir / "home");
  EXPECT_EQ(settings.File, "");
  EXPECT_EQ(settings.Gamma, 100);
  EXPECT_EQ(settings.Cache_size, 3000000);
  EXPECT_EQ(settings.ThumbFontSize, 8);
  EXPECT_TRUE(settings.ShowImported);
  EXPECT_FALSE(settings.IncludeSubdirs);
  EXPECT_EQ(settings.ViewMode, 3);
}

TEST(SettingsTest, WriteAllKeepsTheOrderAndNeverWritesInstallPath) {
  CTempDir dir;
  CSettingsFile file(dir.Write("Albumcraft.ini", "InstallPath=/opt/ac\nWinPosition=1 2\n"));
  CSettings settings;
  settings.ReadAll(file);
  EXPECT_EQ(settings.InstallPath, "/opt/ac");
  settings.Import_dir = "/home/u/Pictures";
  settings.ImageEditor = "gimp";
  settings.ThumbFontSize = 9;
  settings.IncludeSubdirs = true;
  settings.DebugMode = 1;
  ASSERT_TRUE(settings.WriteAll(file));
  EXPECT_EQ(CTempDir::Read(file.Path()),
            "InstallPath=/opt/ac\nWinPosition=1 2\n"
            "Import_dir=/home/u/Pictures\nThumbsize=60\nThumbsviewsize=150\n"
            "Cache_size=3000000\nFormat_select=0\nFormat_mask=000001\nImageEditor=gimp\n"
            "BulkReplace=0\nImportTextEdit=1\nThumbnails=1\nThumbFontSize=9\nCapFontSize=12\n"
            "ExportsToKeep=10\nShowImported=1\nViewMode=3\nCacheOnImport=1\n"
            "WebFileCounter=1\nGamma=100\nPrintMode=0\nWebResizeFull=1\nIncludeSubdirs=1\n"
            "DebugMode=1\n");

  settings.File = "/home/u/Photo index/PhotoIndex.acx";
  settings.InstallPath = "/elsewhere";
  ASSERT_TRUE(settings.WriteAll(file));
  CSettings again;
  again.ReadAll(file);
  EXPECT_EQ(again.File, settings.File);
  EXPECT_EQ(again.InstallPath, "/opt/ac");
  EXPECT_EQ(again.ImageEditor, "gimp");
  EXPECT_TRUE(again.IncludeSubdirs);
  EXPECT_EQ(again.ThumbFontSize, 9);
}

}  // namespace
