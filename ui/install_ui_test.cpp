// `cmake --install` lays the programs, their data folder, the desktop entry and the icon out
// under a prefix, and the installed archiver finds its data folder there.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/child_process_testing.h"
#include "platform/temp_dir_testing.h"
#include "ui/snapstore_program_testing.h"

namespace fs = std::filesystem;

TEST(InstallTest, TheInstalledArchiverFindsItsDataFolder) {
  CTempDir prefix;
  const CChildResult install = RunChild(
      {CMAKE_PROGRAM, "--install", ALBUMCRAFT_BUILD_DIR, "--prefix", prefix.Path()}, {}, {}, 120);
  ASSERT_EQ(install.exit_status, 0) << install.out << install.err;
  for (const char* file :
       {"bin/snapstore", "bin/snapstore-cli", "share/albumcraft/Intro.jpg",
        "share/albumcraft/cd_missing.jpg", "share/albumcraft/albumcraft.hhp",
        "share/albumcraft/import_folder.png", "share/applications/albumcraft.desktop",
        "share/icons/hicolor/128x128/apps/albumcraft.png"}) {
    EXPECT_TRUE(fs::exists(prefix / file)) << file;
  }

  // An empty index shows the introduction picture (data/Intro.jpg, 960 x 640) from the
  // installed data folder; without it the picture area would be empty, "(0x0)".
  CSnapstoreRun run(prefix / "bin/snapstore", prefix / "bin/snapstore-cli");
  run.MakeIndex(0, {});
  CChildResult result;
  const auto lines = run.Run("sleep 300\nstatus 2\nclose\n", &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "status 2:    (960x640)");
}
