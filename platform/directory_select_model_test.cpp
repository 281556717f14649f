// The folder picker's model over a temporary folder tree and injected volumes; its "New"
// answered by the scripted front end.
#include "platform/directory_select_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/front_end_fake.h"
#include "base/string_table.h"
#include "platform/new_directory_dialog_model.h"
#include "platform/temp_dir_testing.h"

namespace {

using Model = CDirectorySelectModel;

class DirectorySelectModelTest : public testing::Test {
 protected:
  // An opened picker over the temporary folder as the one fixed volume, starting at `start`.
  Model& Open(const std::string& start) {
    model_.selected_path = start;
    model_.Open();
    return model_;
  }

  CTempDir dir_;
  CListVolumeSource volumes_{{{dir_.Path(), VolumeKind::kFixed, ""}}};
  CScriptedFrontEnd front_end_;
  Model model_{front_end_, volumes_};
};

TEST_F(DirectorySelectModelTest, RootsAreTheVolumesWithTheIconOfTheirKind) {
  volumes_.Set({{"/", VolumeKind::kFixed, ""},
                {"/media/u/PHOTOS1", VolumeKind::kRemovable, "PHOTOS1"},
                {"/media/u/stick", VolumeKind::kRemovable, ""},
                {"/media/cd", VolumeKind::kCdRom, "PHOTOCD"},
                {"/net/share", VolumeKind::kNetwork, "SHARE"}});
  auto roots = [&] {
    std::vector<std::string> shown;
    for (const Model::CNode& root : Open("").Roots()) {
      EXPECT_TRUE(root.has_children) << root.path;
      shown.push_back(std::to_string(root.image) + " " + root.text + " = " + root.path);
    }
    return shown;
  };
  EXPECT_EQ(roots(), (std::vector<std::string>{
                         "0 / = /",
                         "3 PHOTOCD (/media/cd) = /media/cd",
                         "2 PHOTOS1 (/media/u/PHOTOS1) = /media/u/PHOTOS1",
                         "2 /media/u/stick = /media/u/stick",
                         "1 /net/share = /net/share",
                     }));
  model_.include_cd_drives = false;
  EXPECT_EQ(roots().size(), 4u);
  EXPECT_EQ(roots()[1], "2 PHOTOS1 (/media/u/PHOTOS1) = /media/u/PHOTOS1");
}

TEST_F(DirectorySelectModelTest, ChildrenAreTheVisibleFoldersSortedIgnoringCase) {
  dir_.MakeDir("top/b");
  dir_.MakeDir("top/A/x");
  dir_.MakeDir("top/c/.git");
  dir_.MakeDir("top/.cache/y");
  dir_.Write("top/picture.jpg", "");
  std::filesystem::create_directory_symlink(dir_ / "top/A", dir_ / "top/link");
  std::vector<std::string> shown;
  for (const Model::CNode& child : model_.Children(dir_ / "top")) {
    shown.push_back(child.text + " " + std::to_string(child.image) + "/" +
                    std::to_string(child.open_image) + (child.has_children ? " +" : ""));
    EXPECT_EQ(child.path, dir_ / ("top/" + child.text));
  }
  // A folder whose only sub-folder is hidden gets no button.
  EXPECT_EQ(shown, (std::vector<std::string>{"A 4/5 +", "b 4/5", "c 4/5", "link 6/7 +"}));
  EXPECT_TRUE(model_.Children(dir_ / "top/b").empty());
  EXPECT_TRUE(model_.Children(dir_ / "missing").empty());
}

TEST_F(DirectorySelectModelTest, TheStartingFolderIsWalkedDownIgnoringCaseWhereNeeded) {
  dir_.MakeDir("Photos/Trip2001/Day1");
  dir_.MakeDir("photo/x");
  struct CCase {
    std::string start;
    std::vector<std::string> walk;  // below the volume
  };
  const CCase cases[] = {
      {"Photos/Trip2001/Day1", {"Photos", "Photos/Trip2001", "Photos/Trip2001/Day1"}},
      {"PHOTOS/trip2001/dAY1/", {"Photos", "Photos/Trip2001", "Photos/Trip2001/Day1"}},
      // The exact name wins over one that matches ignoring case.
      {"photo/x", {"photo", "photo/x"}},
      // The walk ends where a part matches nothing; the last folder found is selected.
      {"Photos/nothing/Day1", {"Photos"}},
      {"", {}},
  };
  for (const CCase& c : cases) {
    std::vector<std::string> expected = {dir_.Path()};
    for (const std::string& folder : c.walk) expected.push_back(dir_ / folder);
    Open(dir_ / c.start);
    EXPECT_EQ(model_.StartingWalk(), expected) << c.start;
    EXPECT_TRUE(model_.HasSelection());
    EXPECT_EQ(model_.selected_path, expected.back()) << c.start;
  }
  // No root holds the folder: nothing is selected and the path stays as given.
  Open("c:\\Photos\\Trip2001");
  EXPECT_TRUE(model_.StartingWalk().empty());
  EXPECT_FALSE(model_.HasSelection());
  EXPECT_EQ(model_.selected_path, "c:\\Photos\\Trip2001");
}

TEST_F(DirectorySelectModelTest, NewNeedsASelectionAndCreatesTheFolderUnderIt) {
  Open("c:\\nowhere");
  EXPECT_FALSE(model_.NewDirectory());
  EXPECT_EQ(front_end_.Messages(), std::vector<std::string>{LoadString(IDS_SELECT_BASE_DIRECTORY)});

  dir_.MakeDir("Photos/Trip");
  Open(dir_ / "Photos");
  front_end_.ClearRecord();
  // A name that cannot be made keeps the dialog open; the next one is made.
  front_end_.AnswerNextDialog<CDlgNewDirModel>([&](CDlgNewDirModel& dialog) {
    EXPECT_EQ(dialog.base_folder, dir_ / "Photos");
    dialog.new_name = "Trip";
    EXPECT_FALSE(dialog.Accept());
    dialog.new_name = "2001";
    return dialog.Accept();
  });
  EXPECT_TRUE(model_.NewDirectory());
  EXPECT_EQ(front_end_.Messages(),
            std::vector<std::string>{"Cannot create this directory : " + (dir_ / "Photos/Trip") +
                                     ".  Please check that the syntax is correct."});
  EXPECT_TRUE(std::filesystem::is_directory(dir_ / "Photos/2001"));
  EXPECT_EQ(model_.selected_path, dir_ / "Photos");
  EXPECT_EQ(model_.Children(dir_ / "Photos").size(), 2u);

  front_end_.AnswerNextDialog<CDlgNewDirModel>([](CDlgNewDirModel&) { return false; });
  EXPECT_FALSE(model_.NewDirectory());
}

TEST(NewDirectoryDialogModelTest, TheNameGoesAfterOneSeparator) {
  CTempDir dir;
  CScriptedFrontEnd front_end;
  CDlgNewDirModel dialog(front_end, dir.Path() + "/");
  dialog.new_name = "new";
  ASSERT_TRUE(dialog.Accept());
  EXPECT_EQ(dialog.created_path, dir / "new");
  EXPECT_TRUE(std::filesystem::is_directory(dir / "new"));
}

}  // namespace
