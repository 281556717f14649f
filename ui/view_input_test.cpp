// The main view's behaviour on a real document and index, without a display.
#include "ui/view_input.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/document.h"
#include "app/document_testing.h"
#include "base/front_end_fake.h"
#include "base/resource_ids.h"
#include "platform/volumes.h"
#include "store/store_testing.h"
#include "ui/view_model.h"

namespace {

class ViewInputTest : public testing::Test {
 protected:
  // Makes an index of `pictures` pictures; returns its path.
  std::string MakeIndex(int pictures) {
    const std::string path = home_.dir().MakeDir("pics") + "/index.acx";
    Cdatabase db;
    CreateIndex(db, path);
    db.id_counter = 1;
    for (int i = 1; i <= pictures; ++i) {
      EXPECT_EQ(AddTestPicture(db, home_.dir() / ("pics/img" + std::to_string(i) + ".jpg")),
                AddResult::kDone);
    }
    return path;
  }

  // Opens an index of `pictures` pictures with all of them in the result list, in view mode
  // 3 and a view of 800 × 405 pixels (5 rows of 60-pixel thumbnails).
  void Open(int pictures) {
    doc_ = home_.OpenDocument(front_end_, volumes_, MakeIndex(pictures));
    doc_->db.RunQuery(kAllRecordsQuery);
    doc_->view_width = 800;
    doc_->view_height = 405;
    front_end_.ClearRecord();
  }

  std::vector<int> Selected() const {
    std::vector<int> positions;
    for (size_t i = 0; i < doc_->db.results.size(); ++i) {
      if (doc_->db.results[i].selected) positions.push_back(static_cast<int>(i) + 1);
    }
    return positions;
  }

  CTestHome home_;
  CListVolumeSource volumes_{{{"/", VolumeKind::kFixed, ""}}};
  CScriptedFrontEnd front_end_;
  std::unique_ptr<CSnapstoreDoc> doc_;
};

TEST_F(ViewInputTest, APageFromTheSecondOfThreeShowsTheSecondAndThird) {
  Open(3);
  doc_->first_visible = 2;
  doc_->db.results.SetPosition(3);
  auto page = PrepareStripPage(*doc_);
  ASSERT_EQ(page.size(), 2u);
  EXPECT_EQ(page[0].cell.entry, 1);
  EXPECT_EQ(page[1].cell.entry, 2);
  EXPECT_EQ(page[0].entry->texts[0], "000002");
  EXPECT_TRUE(page[1].current);
  ASSERT_EQ(doc_->visible_cells.size(), 2u);
  EXPECT_EQ(doc_->visible_cells[1].record, doc_->db.results[2].record);
  // Reading the entries' texts moved the store's current record; it is the current
  // position's again.
  EXPECT_EQ(doc_->db.fields[0], "000003");
}

TEST_F(ViewInputTest, ClicksSelectAndGoToPictures) {
  Open(8);
  PrepareStripPage(*doc_);
  // Cells 0 .. 7 show positions 1 .. 8; the current position is 1.
  const int cell_of_position_6 = 5;
  ClickStripCell(*doc_, cell_of_position_6, false, false);
  EXPECT_EQ(doc_->db.results.position(), 6);
  EXPECT_EQ(doc_->db.fields[0], "000006");
  EXPECT_TRUE(doc_->picture_changed);
  EXPECT_EQ(doc_->record_status_text, "Record: 6/8");
  EXPECT_EQ(front_end_.Hints(), std::vector<int>{kHintPicture});

  // Shift-click before the current picture toggles the range between them, both included.
  ClickStripCell(*doc_, 2, false, true);
  EXPECT_EQ(Selected(), (std::vector<int>{3, 4, 5, 6}));
  EXPECT_EQ(doc_->db.results.position(), 6);
  // Ctrl-click toggles one; Ctrl and Shift together do both.
  CStripClick click = ClickStripCell(*doc_, 7, true, false);
  EXPECT_EQ(Selected(), (std::vector<int>{3, 4, 5, 6, 8}));
  EXPECT_EQ(click.cells, std::vector<CRect>{doc_->visible_cells[7].rect});
  ClickStripCell(*doc_, 7, true, true);  // 8 off, then 6 to 8 toggled
  EXPECT_EQ(Selected(), (std::vector<int>{3, 4, 5, 7, 8}));

  // A click past the last entry changes nothing.
  ClickStripCell(*doc_, 40, false, false);
  EXPECT_EQ(doc_->db.results.position(), 6);
}

TEST_F(ViewInputTest, StripScrollingHomeEndPagesAndLines) {
  Open(1);
  // A hundred entries in 5 rows of 4 columns.
  for (int i = 2; i <= 100; ++i) doc_->db.results.Append(1);
  doc_->first_visible = 50;
  ScrollStrip(*doc_, kScrollHome);
  EXPECT_EQ(doc_->first_visible, 1);
  ScrollStripLine(*doc_, false);  // nothing above the first
  EXPECT_EQ(doc_->first_visible, 1);
  ScrollStrip(*doc_, kScrollEnd);
  EXPECT_EQ(doc_->first_visible, 81);
  ScrollStrip(*doc_, kScrollPageUp);
  EXPECT_EQ(doc_->first_visible, 61);
  ScrollStripByWheel(*doc_, true);
  EXPECT_EQ(doc_->first_visible, 65);
  ScrollStripTo(*doc_, 500);
  EXPECT_EQ(doc_->first_visible, 100);
  EXPECT_EQ(front_end_.Hints(), std::vector<int>(5, kHintStrip));  // the line up did nothing

  // The paging keys reach the strip through the frame's commands.
  EXPECT_TRUE(doc_->OnCommand(ID_STRIP_HOME_KEY));
  EXPECT_EQ(front_end_.Commands(), std::vector<int>{CMD_STRIP_HOME});
}

TEST_F(ViewInputTest, AHiddenStripLeavesTheWholeWidthToThePicture) {
  Open(2);
  PrepareStripPage(*doc_);
  EXPECT_EQ(PictureAreaOf(*doc_).left, 284 + 3);
  EXPECT_EQ(StripCellAt(*doc_, 10, 10), 0);
  doc_->OnCommand(ID_THUMBPRINTS);
  EXPECT_EQ(PictureAreaOf(*doc_).left, 3);
  EXPECT_EQ(PictureRegion(*doc_).left, 0);
  EXPECT_EQ(StripRegion(*doc_).Width(), 0);
  EXPECT_EQ(StripCellAt(*doc_, 10, 10), -1);
  EXPECT_EQ(front_end_.Commands(), std::vector<int>{CMD_HIDE_STRIP_SCROLLBAR});
}

TEST_F(ViewInputTest, TheIndexOpenedAtStartIsCheckedWhenTheViewIsFirstShown) {
  const std::string path = MakeIndex(1);
  {
    Cdatabase db;
    db.SetFileNames(path);
    ASSERT_TRUE(db.ReadHeader());
    db.header.version = 13;
    ASSERT_TRUE(db.WriteHeader());
  }
  doc_ = home_.OpenDocument(front_end_, volumes_, path);
  EXPECT_TRUE(front_end_.Messages().empty());
  front_end_.AnswerNextQuestion(MsgAnswer::kNo);
  doc_->CheckStoreFormat();
  EXPECT_EQ(front_end_.EndedWith(), 4);
}

TEST(ViewKeysTest, BareKeysAndCtrlLettersOfTheView) {
  EXPECT_EQ(ViewKeyCommand(kKeyDelete, false, false, false), ID_DELETE_PICTURE_KEY);
  EXPECT_EQ(ViewKeyCommand(kKeyDelete, false, false, true), 0);  // Shift+Del is not delete
  EXPECT_EQ(ViewKeyCommand(kKeyDown, false, false, false), ID_NEXT_PICTURE_KEY);
  EXPECT_EQ(ViewKeyCommand(kKeyUp, false, false, false), ID_PREVIOUS_PICTURE_KEY);
  EXPECT_EQ(ViewKeyCommand(kKeyEnd, false, false, false), ID_STRIP_END_KEY);
  EXPECT_EQ(ViewKeyCommand(' ', false, false, false), ID_NEXT_PICTURE_SPACE);
  EXPECT_EQ(ViewKeyCommand('A', true, false, false), ID_SELECT_ALL_KEY);
  EXPECT_EQ(ViewKeyCommand('A', false, false, false), 0);
}

TEST(HoverTipTest, RestingOnACellShowsTheTipAndMovingOnRemovesIt) {
  CHoverTip tip;
  auto move = tip.MouseOver(3);
  EXPECT_TRUE(move.restart_timer);
  EXPECT_FALSE(move.hide_tip);
  EXPECT_FALSE(tip.MouseOver(3).restart_timer);  // still the same cell: the timer runs on
  tip.TimerFired();
  EXPECT_TRUE(tip.shown());
  move = tip.MouseOver(4);
  EXPECT_TRUE(move.restart_timer);
  EXPECT_TRUE(move.hide_tip);
  EXPECT_FALSE(tip.shown());
  move = tip.MouseOver(-1);
  EXPECT_TRUE(move.stop_timer);
  EXPECT_FALSE(move.hide_tip);
  EXPECT_EQ(tip.hovered(), -1);
}

}  // namespace
