#include "platform/folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/temp_dir_testing.h"

namespace {

TEST(FoldersTest, SettingsAndTempFoldersFollowTheEnvironment) {
  CScopedEnv home("HOME", "/home/kari/");
  {
    CScopedEnv config("XDG_CONFIG_HOME", "/srv/config/");
    EXPECT_EQ(SettingsFolder(), "/srv/config");
  }
  {
    CScopedEnv config("XDG_CONFIG_HOME", "relative/config");  // ignored: not absolute
    EXPECT_EQ(SettingsFolder(), "/home/kari/.config");
  }
  CScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
  EXPECT_EQ(SettingsFolder(), "/home/kari/.config");
  {
    CScopedEnv temp("TMPDIR", "/var/tmp/");
    EXPECT_EQ(TempFolder(), "/var/tmp");
  }
  CScopedEnv temp("TMPDIR", std::nullopt);
  EXPECT_EQ(TempFolder(), "/tmp");
}

TEST(FoldersTest, DocumentsFolderComesFromUserDirs) {
  CTempDir dir;
  CScopedEnv home("HOME", dir.Path());
  CScopedEnv config("XDG_CONFIG_HOME", dir / "config");
  EXPECT_EQ(DocumentsFolder(), dir / "Documents");  // no user-dirs.dirs

  dir.Write("config/user-dirs.dirs",
            "# written by xdg-user-dirs-update\n"
            "XDG_DESKTOP_DIR=\"$HOME/Skrivebord\"\n"
            "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenter\"\n");
  EXPECT_EQ(DocumentsFolder(), dir / "Dokumenter");

  dir.Write("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"/data/docs/\"\n");
  EXPECT_EQ(DocumentsFolder(), "/data/docs");

  dir.Write("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"relative\"\n");
  EXPECT_EQ(DocumentsFolder(), dir / "Documents");
}

TEST(FoldersTest, InstallDataFolderIsShareBesideTheProgramsBinFolder) {
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
  std::filesystem::path expected = program.parent_path().parent_path() / "share" / "albumcraft";
  EXPECT_EQ(InstallDataFolder(), expected.string());
}

}  // namespace
