#include "platform/picture_finder.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/front_end_fake.h"
#include "platform/temp_dir_testing.h"

namespace {

// Volumes are folders of a temporary tree; the test mounts, moves and removes them by
// changing the list the finder sees.
class PictureFinderTest : public testing::Test {
 protected:
  CVolume Volume(const std::string& folder, VolumeKind kind, const std::string& label = "") {
    return {dir_.MakeDir(folder), kind, label};
  }

  CTempDir dir_;
  CListVolumeSource volumes_;
  CScriptedFrontEnd front_end_;
  CPictureFinder finder_{volumes_, front_end_};
};

TEST_F(PictureFinderTest, ScanListsCdRomsFirstThenRemovableThenFixedAndNetwork) {
  volumes_.Set({{"/media/u/STICK", VolumeKind::kRemovable, "STICK"},
                {"/", VolumeKind::kFixed, ""},
                {"/mnt/nas", VolumeKind::kNetwork, ""},
                {"/media/u/DISC", VolumeKind::kCdRom, "DISC"},
                {"/media/u/CARD", VolumeKind::kRemovable, ""},
                {"/home", VolumeKind::kFixed, ""}});
  finder_.ScanDrives();
  EXPECT_EQ(finder_.RemovableRoots(),
            (std::vector<std::string>{"/media/u/DISC", "/media/u/CARD", "/media/u/STICK"}));
  EXPECT_EQ(finder_.FixedRoots(), (std::vector<std::string>{"/", "/home", "/mnt/nas"}));
  EXPECT_EQ(finder_.VolumeLabel("/media/u/DISC/"), "DISC");
  EXPECT_EQ(finder_.VolumeLabel("/media/u/GONE"), "");
  EXPECT_EQ(finder_.RemovableLabelOf("/media/u/STICK/trip/a.jpg"), "STICK");
  EXPECT_EQ(finder_.RemovableLabelOf("/home/u/a.jpg"), "");
}

TEST_F(PictureFinderTest, LabelledMediumIsFoundWhereverItIsMounted) {
  std::string picture = dir_.Write("run/media/u/PHOTOS1/trip/IMG_0001.JPG", "x");
  volumes_.Set({Volume("fixed", VolumeKind::kFixed),
                Volume("run/media/u/OTHER", VolumeKind::kRemovable, "OTHER"),
                Volume("run/media/u/PHOTOS1", VolumeKind::kRemovable, "PHOTOS1")});

  // Stored when the medium was mounted elsewhere, and from an index made on Windows.
  EXPECT_EQ(finder_.FindPictureFile("/media/old/PHOTOS1/trip/IMG_0001.JPG", "PHOTOS1"), picture);
  EXPECT_EQ(finder_.FindPictureFile("e:/trip/img_0001.jpg", "PHOTOS1"), picture);
  EXPECT_FALSE(finder_.Offline());

  // The medium is there but the picture is not: not offline, nothing found.
  EXPECT_EQ(finder_.FindPictureFile("/media/old/PHOTOS1/trip/IMG_0002.JPG", "PHOTOS1"),
            std::nullopt);
  EXPECT_FALSE(finder_.Offline());
}

TEST_F(PictureFinderTest, MissingMediumSetsTheOfflineFlagUntilTheNextFind) {
  std::string fixed_picture = dir_.Write("fixed/b.jpg", "x");
  volumes_.Set({Volume("fixed", VolumeKind::kFixed),
                Volume("run/media/u/OTHER", VolumeKind::kRemovable, "OTHER")});
  EXPECT_EQ(finder_.FindPictureFile("/media/old/PHOTOS1/trip/a.jpg", "PHOTOS1"), std::nullopt);
  EXPECT_TRUE(finder_.Offline());
  EXPECT_EQ(finder_.FindPictureFile(fixed_picture, ""), fixed_picture);
  EXPECT_FALSE(finder_.Offline());
}

TEST_F(PictureFinderTest, PictureOnAMovedFixedDiskIsFoundOnTheFixedVolumes) {
  // Imported from a disk mounted at /mnt/data; that disk now sits at .../data2.
  std::string picture = dir_.Write("srv/data2/photos/2004/a.jpg", "x");
  volumes_.Set({Volume("srv/system", VolumeKind::kFixed), Volume("srv/data2", VolumeKind::kFixed),
                Volume("run/media/u/CARD", VolumeKind::kRemovable, "CARD")});
  EXPECT_EQ(finder_.FindPictureFile("/mnt/data/photos/2004/a.jpg", ""), picture);
  EXPECT_EQ(finder_.FindPictureFile("d:\\photos\\2004\\a.jpg", ""), picture);
  // A stored path lower-cased by an index made on Windows.
  std::string upper = dir_.Write("srv/data2/Photos/IMG_0001.JPG", "x");
  EXPECT_EQ(finder_.FindPictureFile("/mnt/data/photos/img_0001.jpg", ""), upper);
}

TEST_F(PictureFinderTest, StoredPathIsResolvedIgnoringCaseOutsideTheVolumes) {
  std::string picture = dir_.Write("home/u/Photos/IMG_0001.JPG", "x");
  volumes_.Set({{"/nowhere", VolumeKind::kFixed, ""}});
  EXPECT_EQ(finder_.FindPictureFile(picture, ""), picture);
  EXPECT_EQ(finder_.FindPictureFile(dir_ / "home/u/photos/img_0001.jpg", ""), picture);
}

TEST_F(PictureFinderTest, FixedListIsRescannedWhenEmpty) {
  std::string picture = dir_.Write("late/a.jpg", "x");
  finder_.ScanDrives();
  EXPECT_TRUE(finder_.FixedRoots().empty());
  volumes_.Set({Volume("late", VolumeKind::kFixed)});
  EXPECT_EQ(finder_.FindPictureFile("/old/a.jpg", ""), picture);
  EXPECT_EQ(finder_.FixedRoots().size(), 1u);
}

// Answers the next "Insert volume" dialog with the button; `shown` gets the dialog as it came
// up, and `before_answer` runs while it is open (the user inserting the medium).
void AnswerInsertVolume(CScriptedFrontEnd& front_end, VolumeAnswer answer,
                        CInsertVolumeModel* shown = nullptr,
                        const std::function<void()>& before_answer = {}) {
  front_end.AnswerNextDialog<CInsertVolumeModel>([=](CInsertVolumeModel& dialog) {
    if (shown) *shown = dialog;
    if (before_answer) before_answer();
    dialog.answer = answer;
    return answer != VolumeAnswer::kAbort && dialog.Accept();
  });
}

TEST(PictureFinderWaitTest, OkLooksAgainUntilTheMediumIsMounted) {
  CListVolumeSource volumes;
  CScriptedFrontEnd front_end;
  CPictureFinder finder(volumes, front_end);
  CInsertVolumeModel shown("", false);
  AnswerInsertVolume(front_end, VolumeAnswer::kOk);
  // The user inserts the medium while the second request is open.
  AnswerInsertVolume(front_end, VolumeAnswer::kOk, &shown, [&volumes] {
    volumes.Set({{"/media/u/PHOTOS1", VolumeKind::kCdRom, "PHOTOS1"}});
  });
  EXPECT_EQ(finder.WaitForVolume("PHOTOS1", CPictureFinder::kAllowSkip), VolumeAnswer::kOk);
  EXPECT_EQ(shown.label, "PHOTOS1");
  EXPECT_EQ(front_end.Calls(),
            (std::vector<std::string>{"dialog: Insert volume", "dialog: Insert volume"}));
  // Mounted now: no dialog at all.
  EXPECT_EQ(finder.WaitForVolume("PHOTOS1", 0), VolumeAnswer::kOk);
  EXPECT_EQ(front_end.Calls().size(), 2u);
}

TEST(PictureFinderWaitTest, SkipAndAbortEndTheWaitAndSkipNeedsItsFlag) {
  CListVolumeSource volumes({{"/media/u/OTHER", VolumeKind::kRemovable, "OTHER"},
                             {"/srv/PHOTOS1", VolumeKind::kFixed, "PHOTOS1"}});  // not removable
  CScriptedFrontEnd front_end;
  CPictureFinder finder(volumes, front_end);

  CInsertVolumeModel shown("", false);
  AnswerInsertVolume(front_end, VolumeAnswer::kSkip, &shown);
  EXPECT_EQ(finder.WaitForVolume("PHOTOS1", 2 | 1), VolumeAnswer::kSkip);
  EXPECT_TRUE(shown.skip_enabled);

  AnswerInsertVolume(front_end, VolumeAnswer::kAbort, &shown);
  EXPECT_EQ(finder.WaitForVolume("PHOTOS1", 1 | 4), VolumeAnswer::kAbort);
  EXPECT_FALSE(shown.skip_enabled);

  // "Skip volume" is refused while it is not offered: the dialog stays open for OK or Abort.
  CInsertVolumeModel dialog("PHOTOS1", false);
  dialog.answer = VolumeAnswer::kSkip;
  EXPECT_FALSE(dialog.Accept());
  dialog.skip_enabled = true;
  EXPECT_TRUE(dialog.Accept());
}

}  // namespace
