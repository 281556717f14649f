#include "platform/debug_log.h"

#include <gtest/gtest.h>

#include <regex>

#include "platform/temp_dir_testing.h"

namespace {

TEST(DebugLogTest, AppendsTimeAndMessageWhenDebugModeIsOne) {
  CTempDir dir;
  std::string install = dir.MakeDir("share/albumcraft");
  CDebugLog log(1, install);
  EXPECT_EQ(log.FilePath(), install + "/debug.txt");
  log.Write("Start import");
  log.Write("WEB_TP1");
  std::string text = CTempDir::Read(install + "/debug.txt").value_or("");
  // ctime: "Sun Mar  7 14:05:30 2004\n".
  const std::regex entry(R"([A-Z][a-z]{2} [A-Z][a-z]{2} [ \d]\d \d\d:\d\d:\d\d \d{4}
 -> Start import
[A-Z][a-z]{2} [A-Z][a-z]{2} [ \d]\d \d\d:\d\d:\d\d \d{4}
 -> WEB_TP1
)");
  EXPECT_TRUE(std::regex_match(text, entry)) << text;
}

TEST(DebugLogTest, OtherModesWriteNothing) {
  CTempDir dir;
  for (int mode : {0, 2, -1}) {
    CDebugLog(mode, dir.Path()).Write("x");
    EXPECT_EQ(CTempDir::Read(dir / "debug.txt"), std::nullopt) << mode;
  }
}

TEST(DebugLogTest, GoesToTheSettingsFolderWhenInstallPathIsNotWritable) {
  CTempDir dir;
  CScopedEnv config("XDG_CONFIG_HOME", dir / "config");
  CDebugLog log(1, "c:\\");
  EXPECT_EQ(log.FilePath(), dir / "config/debug.txt");
  log.Write("Start import");
  EXPECT_NE(CTempDir::Read(dir / "config/debug.txt"), std::nullopt);
}

}  // namespace
