// The real archiver, started as a separate program under Xvfb with its own home folder and
// driven by an automation script.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/child_process_testing.h"

namespace fs = std::filesystem;

namespace {

class SnapstoreProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    home_ =
        fs::temp_directory_path() / ("snapstore-home-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(home_);
    fs::create_directories(home_ / "config");
  }
  void TearDown() override { fs::remove_all(home_); }

  // Runs the program with the script; returns the reported lines.
  std::vector<std::string> Run(const std::string& script, CChildResult* result_out = nullptr) {
    std::ofstream(home_ / "script.txt") << script;
    CChildResult result =
        RunChild({SNAPSTORE_BINARY, "--automation", (home_ / "script.txt").string(),
                  (home_ / "report.txt").string()},
                 {"HOME=" + home_.string(), "XDG_CONFIG_HOME=" + (home_ / "config").string(),
                  "ALBUMCRAFT_VOLUMES=" + (home_ / "volumes.txt").string()},
                 {}, 60);
    EXPECT_FALSE(result.timed_out) << result.err;
    std::vector<std::string> lines;
    std::ifstream report(home_ / "report.txt");
    for (std::string line; std::getline(report, line);) lines.push_back(line);
    if (result_out) *result_out = result;
    return lines;
  }

  fs::path home_;
};

}  // namespace

TEST_F(SnapstoreProgramTest, FirstStartCreatesAnIndexThatTheNextStartOpens) {
  const std::string index = (home_ / "Documents/Albumcraft/PhotoIndex.acx").string();
  CChildResult result;
  auto lines =
      Run("title\nmenu 57665\nmenu 32775\n"
          "wait-dialog\ndialog\npress Auto\n"
          "wait-dialog\ndialog\nanswer no\nsleep 200\n"
          "title\nstatus 1\nclose\n",
          &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(result.err.find("assertion"), std::string::npos) << result.err;
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

  lines = Run("sleep 300\ndialog\ntitle\nclose\n", &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "dialog: none",
                       "title: Kestrel's Albumcraft 3.2.2 - Photo index: " + index,
                   }));
}
