// "Move image reference..." end to end: the user has moved a folder of pictures on disk; the
// real archiver under Xvfb points the index at the new folder, and the pictures show again.
#include <gtest/gtest.h>

#include <filesystem>

#include "imaging/picture_testing.h"
#include "ui/snapstore_program_testing.h"

TEST(MoveReferencesTest, TheMovedFolderIsTypedAndItsPicturesShowAgain) {
  CSnapstoreRun run(SNAPSTORE_BINARY, SNAPSTORE_CLI_BINARY);
  const std::string index = run.MakeIndex(3, EncodeTestJpeg(GradientJpeg(120, 80)), "pictures");
  const std::string old_folder = run.home() / "pictures";
  const std::string new_folder = run.home() / "moved";
  std::filesystem::rename(old_folder, new_folder);

  // The folder picker of "Browse" opens at the folder typed; its OK writes the folder back.
  std::string picked;
  for (const auto& part : std::filesystem::path(new_folder)) {
    if (part == "/") continue;
    picked += (picked.empty() ? "/ (open) > " : " (open) > ") + part.string();
  }
  CChildResult result;
  const auto lines = run.Run(
      "sleep 300\ncommand 32835\nwait-dialog\ndialog\n"
      "type 1027 " +
          new_folder +
          "\npress Browse\nwait-dialog\ndialog\ntree\npress OK\n"
          "sleep 200\ndialog-text\n"
          "type 1027 " +
          old_folder + "\ntype 1118 " + new_folder +
          "/\npress OK\n"
          "wait-dialog\ndialog\nanswer yes\nwait-dialog\ndialog\ndialog-text\npress OK\n"
          "sleep 300\nstatus 2\nclose\n",
      &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(Reports(lines, "dialog: "),
            (std::vector<std::string>{"Move image references", "Select directory", "Import log"}));
  EXPECT_EQ(Reports(lines, "tree: "), std::vector<std::string>{picked});
  EXPECT_EQ(Reports(lines, "message: "),
            std::vector<std::string>{
                "3 files where found that matched the from directory. Do you want to continue?"});
  const auto texts = Reports(lines, "dialog-text: ");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], new_folder);
  for (const char* name : {"photo001.jpg", "photo002.jpg", "photo003.jpg"}) {
    const std::string line =
        "Ref to " + old_folder + "/" + name + " changed to " + new_folder + "/" + name + ". ";
    EXPECT_NE(texts[1].find(line), std::string::npos) << texts[1];
  }
  EXPECT_NE(texts[1].find("3 of 3 references was successfully moved."), std::string::npos);
  // The current picture is read from its new place, at its own size.
  EXPECT_EQ(Reports(lines, "status 2: "),
            std::vector<std::string>{new_folder + "/photo001.jpg   (120x80)"});
  EXPECT_EQ(run.Cli({"search", index, "99:zzzwqwq"}),
            "000001\t" + new_folder + "/photo001.jpg\n000002\t" + new_folder +
                "/photo002.jpg\n000003\t" + new_folder + "/photo003.jpg\n");
}
