#include "import/import_dialog_model.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "base/front_end_fake.h"
#include "base/string_table.h"
#include "platform/picture_finder.h"
#include "store/store_testing.h"

namespace {

class ImportDialogModelTest : public testing::Test {
 protected:
  ImportDialogModelTest() {
    CreateIndex(db_, dir_ / "index.acx");
    model_.directory = dir_ / "photos";
  }

  // A file with some bytes (the model never decodes them).
  std::string File(const std::string& relative) { return dir_.Write(relative, "x"); }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& item : model_.Items()) names.push_back(item.name);
    return names;
  }
  std::vector<int> Images() const {
    std::vector<int> images;
    for (const auto& item : model_.Items()) images.push_back(item.image);
    return images;
  }

  // The work list of the selected paths, as "group path-below-the-temporary-folder".
  std::vector<std::string> Expanded(const std::vector<std::string>& paths) {
    CWorkList work;
    for (const std::string& path : paths) EXPECT_EQ(model_.Expand(work, path, 1), 1);
    std::vector<std::string> entries;
    for (const CWorkItem& item : work) {
      entries.push_back(std::to_string(item.group) + " " + item.path.substr(dir_.Path().size()));
    }
    return entries;
  }

  CTempDir dir_;
  Cdatabase db_;
  CScriptedFrontEnd front_end_;
  CListVolumeSource volumes_{{{"/", VolumeKind::kFixed, ""}}};
  CPictureFinder finder_{volumes_, front_end_};
  CImport2Model model_{front_end_, db_, finder_};
};

TEST_F(ImportDialogModelTest, TheListShowsFoldersAndPicturesSortedWithTheirImages) {
  File("photos/b.TIF");
  File("photos/A.jpg");
  File("photos/photo.jpeg");  // the last four characters decide: not listed
  File("photos/xjpg");
  File("photos/notes.txt");
  File("photos/trip/deep/c.Jpg");  // a picture two levels down
  dir_.MakeDir("photos/empty/sub");
  model_.Open();
  EXPECT_EQ(Names(), (std::vector<std::string>{"..", "A.jpg", "b.TIF", "empty", "trip"}));
  EXPECT_EQ(Images(), (std::vector<int>{CImport2Model::kImageParent, CImport2Model::kImagePicture,
                                        CImport2Model::kImagePicture, CImport2Model::kImageFolder,
                                        CImport2Model::kImageFolderWithPictures}));

  model_.SelectAllFromSecond();  // Ctrl+A leaves the first item out
  EXPECT_FALSE(model_.Items()[0].selected);
  for (size_t i = 1; i < model_.Items().size(); ++i) EXPECT_TRUE(model_.Items()[i].selected);

  EXPECT_EQ(model_.OpenItem(4), CImport2Model::Opened::kFolder);  // "trip"
  EXPECT_EQ(model_.directory, dir_ / "photos/trip");
  EXPECT_EQ(Names(), (std::vector<std::string>{"..", "deep"}));
  EXPECT_EQ(model_.OpenItem(0), CImport2Model::Opened::kParent);
  EXPECT_EQ(model_.directory, dir_ / "photos");
  EXPECT_EQ(model_.OpenItem(1), CImport2Model::Opened::kNothing);  // a picture
}

TEST_F(ImportDialogModelTest, PicturesAlreadyInTheIndexAreListedOnlyWhenAsked) {
  const std::string stored = File("photos/Stored.JPG");
  File("photos/new.jpg");
  ASSERT_EQ(AddTestPicture(db_, stored), AddResult::kDone);
  model_.Open();
  EXPECT_EQ(Names(), (std::vector<std::string>{"..", "new.jpg"}));
  model_.SetShowImported(1);
  EXPECT_EQ(Names(), (std::vector<std::string>{"..", "new.jpg", "Stored.JPG"}));
  EXPECT_EQ(model_.Items()[2].image, CImport2Model::kImageImportedPicture);
}

TEST_F(ImportDialogModelTest, NothingSelectedAsksWhetherToImportEverything) {
  File("photos/a.jpg");
  File("photos/trip/b.jpg");
  model_.Open();
  front_end_.AnswerNextQuestion(MsgAnswer::kNo);
  EXPECT_FALSE(model_.Accept());  // the dialog stays open
  front_end_.AnswerNextQuestion(MsgAnswer::kYes);
  EXPECT_TRUE(model_.Accept());
  EXPECT_EQ(front_end_.Messages().back(), LoadString(IDS_IMPORT_ALL_QUESTION));
  // Every item, folders too, but never "..".
  EXPECT_EQ(model_.selected_paths,
            (std::vector<std::string>{dir_ / "photos/a.jpg", dir_ / "photos/trip"}));
}

TEST_F(ImportDialogModelTest, TheMaskIsCheckedOnlyInItsModeAndARefusalKeepsTheDialogOpen) {
  File("photos/a.jpg");
  model_.Open();
  ASSERT_TRUE(model_.SelectNames({"a.jpg"}));
  model_.id_mode = 2;
  EXPECT_TRUE(model_.MaskEnabled());
  for (const char* refused : {"1ABC", "   ", "IMG 01"}) {
    model_.SetFormatMask(refused);
    EXPECT_FALSE(model_.Accept()) << refused;
    EXPECT_EQ(model_.format_mask, refused);
  }
  EXPECT_EQ(front_end_.Messages(),
            (std::vector<std::string>{kMsgMaskWithoutNumbers, kMsgNoFormatMask,
                                      LoadString(IDS_ID_ILLEGAL_CHARACTER)}));
  model_.SetFormatMask("IMG0001-holiday-2004-x");  // the edit takes 19 characters
  EXPECT_EQ(model_.format_mask, "IMG0001-holiday-200");
  model_.SetFormatMask("A100B");
  EXPECT_TRUE(model_.Accept());
  EXPECT_EQ(model_.id_format, "A%3.3iB");
  EXPECT_EQ(model_.start_number, 100);

  model_.id_mode = 0;  // another mode: the mask is not looked at
  model_.SetFormatMask("1ABC");
  EXPECT_FALSE(model_.MaskEnabled());
  EXPECT_TRUE(model_.Accept());
  EXPECT_EQ(model_.start_number, 0);
}

TEST_F(ImportDialogModelTest, ExpansionNumbersFoldersInTheOrderTheyAreMet) {
  File("photos/b.jpg");
  File("photos/a/x.jpg");
  File("photos/a/inner/y.TIF");
  File("photos/c/z.jpg");
  File("photos/c/photo.jpeg");  // not taken: its last three characters are "PEG"
  File("photos/c/xjpg");        // taken: its last three characters are "JPG"
  File("single/s.jpg");
  model_.directory_counter = 1;

  model_.include_subdirs = 0;
  EXPECT_TRUE(Expanded({dir_ / "photos"}).empty());  // a folder needs "Include subdirectories"

  model_.include_subdirs = 1;
  EXPECT_EQ(
      Expanded({dir_ / "single/s.jpg", dir_ / "photos"}),
      (std::vector<std::string>{"1 /single/s.jpg", "4 /photos/a/inner/y.TIF", "3 /photos/a/x.jpg",
                                "2 /photos/b.jpg", "5 /photos/c/xjpg", "5 /photos/c/z.jpg"}));
  EXPECT_EQ(model_.directory_counter, 5);
}

TEST_F(ImportDialogModelTest, ALoopOfLinksEndsTheSearchAndTheExpansion) {
  File("photos/loop/a.jpg");
  ASSERT_EQ(symlink((dir_ / "photos").c_str(), (dir_ / "photos/loop/back").c_str()), 0);
  dir_.MakeDir("empty/sub");
  ASSERT_EQ(symlink((dir_ / "empty").c_str(), (dir_ / "empty/sub/up").c_str()), 0);
  model_.include_subdirs = 1;
  EXPECT_EQ(Expanded({dir_ / "photos"}), (std::vector<std::string>{"3 /photos/loop/a.jpg"}));
  EXPECT_TRUE(HoldsPictures(dir_ / "photos"));
  EXPECT_FALSE(HoldsPictures(dir_ / "empty"));
}

TEST_F(ImportDialogModelTest, TheTreeStartsAtTheVolumesAndOpensAlongTheFolder) {
  volumes_.Set({{"/", VolumeKind::kFixed, ""},
                {dir_.Path(), VolumeKind::kRemovable, "PHOTOS1"},
                {"/mnt/cd", VolumeKind::kCdRom, "DISC"},
                {"/net", VolumeKind::kNetwork, ""}});
  std::vector<int> images;
  for (const auto& root : model_.TreeRoots()) images.push_back(root.image);
  // In path order: "/", "/mnt/cd", "/net", then the temporary folder.
  EXPECT_EQ(images, (std::vector<int>{
                        CImport2Model::kImageFixedVolume, CImport2Model::kImageCdRomVolume,
                        CImport2Model::kImageFixedVolume, CImport2Model::kImageRemovableVolume}));
  EXPECT_EQ(model_.TreePathOf(dir_ / "photos/trip/"),
            (std::vector<std::string>{dir_.Path(), dir_ / "photos", dir_ / "photos/trip"}));

  File("photos/trip/a.jpg");
  dir_.MakeDir("photos/empty");
  const auto children = model_.TreeChildren(dir_ / "photos");
  ASSERT_EQ(children.size(), 2u);
  EXPECT_EQ(children[0].text, "empty");
  EXPECT_EQ(children[0].image, CImport2Model::kImageTreeFolder);
  EXPECT_FALSE(children[0].has_children);
  EXPECT_EQ(children[1].path, dir_ / "photos/trip");
  EXPECT_EQ(children[1].image, CImport2Model::kImageTreeFolderWithPictures);
}

}  // namespace
