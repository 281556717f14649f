// The description editor end to end in the real archiver under Xvfb: opened with Ctrl+E and
// by a click on the caption, a description with Norwegian letters on two lines, a category
// made with "New...", custom fields typed in place; what the window, the search bar and the
// next start show of it; and a duplicate ID refused.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "imaging/picture_testing.h"
#include "ui/snapstore_program_testing.h"

namespace {

constexpr const char* kDescription = "Blåbærsyltetøy til frokost\\nAndre linje";

std::string BackupName(const std::string& index) {
  char date[16];
  const std::time_t now = std::time(nullptr);
  std::strftime(date, sizeof date, "%Y%m%d", std::localtime(&now));
  return index.substr(0, index.size() - 4) + "_" + date + ".exp";
}

}  // namespace

TEST(DescriptionEditorTest, DescribedInTheEditorShownFoundAndReopened) {
  CSnapstoreRun run(SNAPSTORE_BINARY, SNAPSTORE_CLI_BINARY);
  const std::string index = run.MakeIndex(2, EncodeTestJpeg(GradientJpeg(320, 240)));
  run.Cli({"categories", index, "--add", "Summer"});
  // Two custom fields, from a text export that holds only their definitions.
  const std::string fields =
      run.home().Write("fields.exp", "UDF:Film no.|1|1|1\r\nUDF:Person|2|1|1\r\n");
  run.Cli({"import", index, fields});

  CChildResult result;
  auto lines = run.Run(
      "sleep 300\nshortcut E ctrl\nwait-dialog\ndialog\npage\n"
      "type 1003 Bergen\ntype 1004 " +
          std::string(kDescription) +
          "\npage Categories\npress New...\nwait-dialog\ndialog\ntype 1114 Holiday\npress OK\n"
          "sleep 200\nlist-check 1112 Holiday=on\nlist 1112\n"
          "page Info\nlist-check 1107 Film no.=on\ncell-edit 1107 0 2\ncell-type F-12\n"
          "cell-key Down ctrl\ncell-type Kari\npress OK\nsleep 300\ndialog\n"
          "caption-text\ncell-text 0\ncategory-choices\n"
          // The bar finds the picture by a word in capitals and by its new category.
          "type-search BLÅBÆRSYLTETØY\ncommand 1028\nstatus 1\n"
          "type-search\nsearch-category HOLIDAY\ncommand 1028\nstatus 1\nclose\n",
      &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(Reports(lines, "dialog: "),
            (std::vector<std::string>{"Image description", "Add category", "none"}));
  EXPECT_EQ(Reports(lines, "page: "), std::vector<std::string>{"Description"});
  EXPECT_EQ(Reports(lines, "list 1112: "), (std::vector<std::string>{"[ ] Summer", "[x] Holiday"}));
  EXPECT_EQ(Reports(lines, "caption-text: "),
            std::vector<std::string>{"000001\\nBergen\\n" + std::string(kDescription) + ""});
  EXPECT_EQ(Reports(lines, "cell-text 0: "), std::vector<std::string>{"000001||Bergen"});
  EXPECT_EQ(Reports(lines, "category-choices: "),
            std::vector<std::string>{"ALL|HOLIDAY|SUMMER|TO_BE_DESCRIBED"});
  EXPECT_EQ(Reports(lines, "status 1: "), (std::vector<std::string>{"Record: 1/1", "Record: 1/1"}));
  EXPECT_EQ(Reports(lines, "error: "), std::vector<std::string>{});
  // The index was changed: closing wrote its backup export.
  EXPECT_TRUE(std::filesystem::exists(BackupName(index)));
  const std::string shown = run.Cli({"show", index, "000001"});
  EXPECT_NE(shown.find("3: Blåbærsyltetøy til frokost\nAndre linje\n4: Holiday\n"),
            std::string::npos)
      << shown;

  // The next start opens the editor by a click on the caption: the same values. An ID another
  // picture has is refused, on turning the page and on OK, and the sheet stays on Description.
  lines = run.Run(
      "sleep 300\nclick caption\nwait-dialog\ndialog\ntext 1003\ntext 1004\n"
      "page Categories\nlist 1112\npage Info\nlist 1107\npage Description\n"
      "type 1001 ABCDEFGHIJKLMNOPQRST\ntext 1001\n"
      "type 1001 000002\npage Info\nwait-dialog\ndialog\nanswer ok\npage\n"
      "press OK\nwait-dialog\ndialog\nanswer ok\npage\npress Cancel\nsleep 200\ndialog\nclose\n",
      &result);
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(Reports(lines, "dialog: "), (std::vector<std::string>{"Image description", "none"}));
  EXPECT_EQ(Reports(lines, "text 1003: "), std::vector<std::string>{"Bergen"});
  EXPECT_EQ(Reports(lines, "text 1004: "), std::vector<std::string>{kDescription});
  // The ID field takes 19 characters; the twentieth is not typed.
  EXPECT_EQ(Reports(lines, "text 1001: "), std::vector<std::string>{"ABCDEFGHIJKLMNOPQRS"});
  EXPECT_EQ(Reports(lines, "list 1112: "), (std::vector<std::string>{"[ ] Summer", "[x] Holiday"}));
  EXPECT_EQ(Reports(lines, "list 1107: "),
            (std::vector<std::string>{"[x] |Film no.|F-12", "[ ] |Person|Kari"}));
  const std::string refused =
      "This ID has already been used. All IDs must be unique!\\nPlease select anouther ID.";
  EXPECT_EQ(Reports(lines, "message: "), (std::vector<std::string>{refused, refused}));
  EXPECT_EQ(Reports(lines, "page: "), (std::vector<std::string>{"Description", "Description"}));
  EXPECT_EQ(Reports(lines, "error: "), std::vector<std::string>{});
}
