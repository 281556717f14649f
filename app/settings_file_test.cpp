#include "app/settings_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/temp_dir_testing.h"

namespace {

class SettingsFileTest : public testing::Test {
 protected:
  CSettingsFile File(const std::string& content) {
    dir_.Write("config/Albumcraft.ini", content);
    return file_;
  }
  std::optional<std::string> Content() const { return CTempDir::Read(file_.Path()); }
  bool TemporaryExists() const { return access(file_.TemporaryPath().c_str(), F_OK) == 0; }

  CTempDir dir_;
  CSettingsFile file_{dir_ / "config/Albumcraft.ini"};
};

TEST_F(SettingsFileTest, ReadsKeysExactlyAndNumbersAsPrintfDoes) {
  const std::string long_comment = "# " + std::string(300, 'x') + "\n";
  struct Case {
    std::string content;
    int thumbsize;  // read with the default 60
  };
  const Case cases[] = {
      {"Thumbsize=  80  \n", 80},
      {"Thumbsize =80\n", 60},  // a blank before '=' belongs to the key
      {" Thumbsize=80\n", 60},
      {"thumbsize=80\n", 60},  // keys are case-sensitive
      {"Thumbsize=-1\n", 60},  // a stored -1 reads as the default
      {"Thumbsize=-7\n", -7},
      {"Thumbsize=80px\n", 80},
      {"Thumbsize=+80\r\n", 80},
      {"Thumbsize=px80\n", 60},
      {"Thumbsize=\n", 60},
      {"Thumbsize=99999999999\n", 60},              // out of range
      {long_comment + "Thumbsize=80", 80},          // after a long line; no line feed at the end
      {"Thumbsize=8\nOther=1\nThumbsize=0\n", 80},  // the values of all its lines are joined
  };
  for (const Case& c : cases) {
    EXPECT_EQ(File(c.content).ReadNumber("Thumbsize", 60), c.thumbsize) << c.content;
  }
  CSettingsFile file = File("Format_mask= IMG=%d=x \nImageEditor\n");
  EXPECT_EQ(file.ReadString("Format_mask", "000001"), "IMG=%d=x");
  EXPECT_EQ(file.ReadString("ImageEditor", "none"), "none");  // a line without '=' has no key
}

TEST_F(SettingsFileTest, MissingFileGivesDefaultsAndTheFirstWriteCreatesIt) {
  EXPECT_EQ(file_.ReadString("File", ""), "");
  EXPECT_EQ(file_.ReadNumber("Gamma", 100), 100);
  ASSERT_TRUE(file_.WriteNumber("ViewMode", 4));  // the folder is made as well
  EXPECT_EQ(Content(), "ViewMode=4\n");
}

TEST_F(SettingsFileTest, RewriteKeepsOtherLinesAndDropsBlankOnes) {
  const std::string long_line = "Long=" + std::string(500, 'y');
  File("# my settings\r\n\nThumbsize=80\n   \n" + long_line + "\nViewMode=2\nViewMode =7\n" +
       "ViewMode=5\nWinPosition=1 2 3 4");
  ASSERT_TRUE(file_.WriteNumber("ViewMode", 4));
  EXPECT_EQ(Content(), "# my settings\nThumbsize=80\n" + long_line +
                           "\nViewMode=4\nViewMode =7\nWinPosition=1 2 3 4\n");
  EXPECT_EQ(file_.ReadNumber("ViewMode", 3), 4);  // reads back as written

  ASSERT_TRUE(file_.WriteString("Format_mask", "A=B"));
  EXPECT_EQ(file_.ReadString("Format_mask", ""), "A=B");
  EXPECT_FALSE(TemporaryExists());
}

TEST_F(SettingsFileTest, WritingManyKeysAtOnceEqualsWritingThemInTurn) {
  const std::string content = "B=1\n#\nA=2\nA=3\n";
  const std::vector<std::pair<std::string, std::string>> entries = {
      {"A", "x"}, {"C", "y"}, {"B", ""}, {"C", "z"}};
  std::string in_turn = content;
  for (const auto& entry : entries) in_turn = CSettingsFile::Rewritten(in_turn, {entry});
  EXPECT_EQ(CSettingsFile::Rewritten(content, entries), in_turn);
  EXPECT_EQ(in_turn, "B=\n#\nA=x\nC=z\n");
}

TEST_F(SettingsFileTest, CrashBetweenTemporaryFileAndRenameLosesNothing) {
  EXPECT_EQ(file_.TemporaryPath(), dir_ / "config/Albumcraft.tmp");
  // A crash left a half-written temporary file beside the settings file.
  File("Gamma=120\nFile=/home/u/a.acx\n");
  dir_.Write("config/Albumcraft.tmp", "Gamma=1");
  EXPECT_EQ(file_.ReadNumber("Gamma", 100), 120);
  ASSERT_TRUE(file_.WriteNumber("Thumbsize", 90));
  EXPECT_EQ(Content(), "Gamma=120\nFile=/home/u/a.acx\nThumbsize=90\n");
  EXPECT_FALSE(TemporaryExists());

  // The temporary file cannot be made (a folder has its name): the settings file stays.
  dir_.MakeDir("config/Albumcraft.tmp");
  EXPECT_FALSE(file_.WriteNumber("Thumbsize", 70));
  EXPECT_EQ(file_.ReadNumber("Thumbsize", 60), 90);
}

TEST_F(SettingsFileTest, SymbolicLinkToTheSettingsFileStaysALink) {
  std::string real = dir_.Write("dotfiles/Albumcraft.ini", "Gamma=120\n");
  std::filesystem::create_directories(dir_ / "config");
  std::filesystem::create_symlink(real, file_.Path());
  ASSERT_TRUE(file_.WriteNumber("Gamma", 90));
  EXPECT_TRUE(std::filesystem::is_symlink(file_.Path()));
  EXPECT_EQ(CTempDir::Read(real), "Gamma=90\n");
}

}  // namespace
