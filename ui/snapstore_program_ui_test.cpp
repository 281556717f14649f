// The real archiver, started as a separate program under Xvfb with its own home folder and
// driven by an automation script.
#include <gtest/gtest.h>

#include <filesystem>

#include "ui/snapstore_program_testing.h"

namespace fs = std::filesystem;

TEST(SnapstoreProgramTest, FirstStartCreatesAnIndexThatTheNextStartOpens) {
  CSnapstoreRun run(SNAPSTORE_BINARY, SNAPSTORE_CLI_BINARY);
  const std::string index = run.home() / "Documents/Albumcraft/PhotoIndex.acx";
  CChildResult result;
  auto lines = run.Run(
      "title\nmenu 57665\nmenu 32775\n"
      "wait-dialog\ndialog\npress Auto\n"
      "wait-dialog\ndialog\nanswer no\nsleep 200\n"
      "title\nstatus 1\nclose\n",
      &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "title: Kestrel's Albumcraft 3.2.2 - Photo index: ",
                       "menu 57665: enabled E&xit",
                       "menu 32775: disabled &Annotate...\tCtrl-E",
                       "dialog: No Photo Index selected",
                       "message: Photo Index have been successfully created in " + index +
                           "\\n\\nDo you want to add photos to this index now?",
                       "title: Kestrel's Albumcraft 3.2.2 - Photo index: " + index,
                       "status 1: Record: 0/0",
                   }));
  EXPECT_TRUE(fs::exists(index));

  lines = run.Run("sleep 300\ndialog\ntitle\nclose\n", &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "dialog: none",
                       "title: Kestrel's Albumcraft 3.2.2 - Photo index: " + index,
                   }));
}
