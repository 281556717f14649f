// The search bar's Find and Clear and the "Search" dialog, on a real index.
#include <gtest/gtest.h>

#include <memory>

#include "app/document.h"
#include "app/document_testing.h"
#include "app/search_dialog_model.h"
#include "base/front_end_fake.h"
#include "base/resource_ids.h"
#include "base/string_table.h"
#include "platform/volumes.h"
#include "store/store_testing.h"

namespace {

class DocumentSearchTest : public testing::Test {
 protected:
  DocumentSearchTest() {
    // Five pictures: 1 and 2 in Rome, Italy; 3 in Italy; 4 and 5 in the category "Summer".
    Cdatabase db;
    CreateIndex(db, index_);
    db.id_counter = 1;
    const char* wheres[] = {"Rome, Italy", "Rome Italy", "Milan, Italy", "Oslo", "Bergen"};
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(AddTestPicture(db, "/p/" + std::to_string(i) + ".jpg", kIdModeAutomatic, "",
                               i >= 3 ? "SUMMER" : ""),
                AddResult::kDone);
      db.GoToRecord(db.results.back().record);
      db.fields[kFieldWhere] = wheres[i];
      EXPECT_EQ(db.UpdateCurrent(), UpdateResult::kDone);
    }
    doc_ = test_home_.OpenDocument(front_end_, volumes_, index_);
    doc_->state.category_names = {"Summer"};
  }

  // Answers the next search dialog with the text typed into it and Search.
  void AnswerSearch(const std::string& typed) {
    front_end_.AnswerNextDialog<CSoekModel>([typed](CSoekModel& dialog) {
      dialog.SetTypedText(typed);
      return dialog.Accept();
    });
  }

  std::vector<std::string> FoundIds() {
    std::vector<std::string> ids;
    for (const CPictureInfo& entry : doc_->db.results) {
      Cdatabase::COpenFiles files(doc_->db);
      doc_->db.GoToRecord(entry.record);
      ids.push_back(doc_->db.fields[kFieldId]);
    }
    return ids;
  }

  CTestHome test_home_;
  std::string index_ = test_home_.dir().MakeDir("index") + "/pics.acx";
  CListVolumeSource volumes_{{{"/", VolumeKind::kFixed, ""}}};
  CScriptedFrontEnd front_end_;
  std::unique_ptr<CSnapstoreDoc> doc_;
};

TEST_F(DocumentSearchTest, TheBarQueryJoinsWordsAndTheCategoryAsShown) {
  struct Case {
    const char* words;
    const char* category;
    const char* query;
  };
  for (const Case& c : {Case{"", "ALL", kAllRecordsQuery}, Case{"rome", "ALL", "rome"},
                        Case{"", "Summer", " +C:SUMMER"}, Case{"oslo", "SUMMER", "oslo +C:SUMMER"},
                        Case{"rome\nsecond line", "ALL", "rome"}}) {
    EXPECT_EQ(CSnapstoreDoc::BarQuery(c.words, c.category), c.query) << c.words;
  }
  EXPECT_EQ(CSnapstoreDoc::BarQuery(std::string(300, 'a'), "ALL").size(), 255u);
}

TEST_F(DocumentSearchTest, TheBarFindsWordsAndCategoriesAndStartsTheStripAtTheTop) {
  doc_->first_visible = 4;
  doc_->FindFromBar("", "ALL");
  EXPECT_EQ(FoundIds(),
            (std::vector<std::string>{"000001", "000002", "000003", "000004", "000005"}));
  EXPECT_EQ(doc_->first_visible, 1);
  EXPECT_EQ(doc_->record_status_text, "Record: 1/5");
  EXPECT_TRUE(doc_->picture_changed);
  EXPECT_EQ(front_end_.Status(0), "5 pictures found");
  EXPECT_EQ(front_end_.Commands(), std::vector<int>{CMD_SHOW_STRIP_SCROLLBAR});
  EXPECT_EQ(front_end_.WaitDepth(), 0);

  doc_->FindFromBar("ITALY +ROME", "ALL");
  EXPECT_EQ(FoundIds(), (std::vector<std::string>{"000001", "000002"}));
  doc_->FindFromBar("", "Summer");  // the category alone
  EXPECT_EQ(FoundIds(), (std::vector<std::string>{"000004", "000005"}));
  EXPECT_EQ(doc_->search_category, "Summer");

  // The bar's state goes with command 1028.
  doc_->search_words = "oslo";
  doc_->search_category = "SUMMER";
  EXPECT_TRUE(doc_->OnCommand(IDC_SEARCH_FIND));
  EXPECT_EQ(FoundIds(), std::vector<std::string>{"000004"});

  front_end_.ClearRecord();
  doc_->FindFromBar("tromsø", "ALL");
  EXPECT_EQ(front_end_.Messages(), std::vector<std::string>{LoadString(IDS_NO_IMAGES_FOUND)});
  EXPECT_EQ(front_end_.Status(0), "0 pictures found");
  EXPECT_EQ(doc_->record_status_text, "Record: 0/0");
  EXPECT_EQ(front_end_.Hints(), std::vector<int>{kHintAll});
}

TEST_F(DocumentSearchTest, TheDialogSearchesAsTypedAndKeepsTheStripsPlace) {
  doc_->FindFromBar("", "ALL");
  doc_->first_visible = 2;
  AnswerSearch("italy\n+milan");  // a line break typed in the field stands between words
  EXPECT_TRUE(doc_->OnCommand(ID_SEARCH_DIALOG));
  EXPECT_EQ(FoundIds(), std::vector<std::string>{"000003"});
  EXPECT_EQ(doc_->first_visible, 1);  // kept, but not beyond the one picture found
  AnswerSearch("italy");
  doc_->first_visible = 2;
  doc_->SearchWithDialog();
  EXPECT_EQ(doc_->first_visible, 2);
  EXPECT_EQ(doc_->record_status_text, "Record: 1/3");

  front_end_.AnswerNextDialog<CSoekModel>([](CSoekModel&) { return false; });  // Cancel
  doc_->SearchWithDialog();
  EXPECT_EQ(doc_->db.results.count(), 3);
}

TEST_F(DocumentSearchTest, ClearEmptiesTheBarTheListAndTheOfflineFlag) {
  doc_->FindFromBar("rome", "SUMMER");
  doc_->finder.SetOffline(true);
  EXPECT_TRUE(doc_->OnCommand(IDC_SEARCH_CLEAR));
  EXPECT_EQ(doc_->search_words, "");
  EXPECT_EQ(doc_->search_category, "ALL");
  EXPECT_EQ(doc_->db.results.count(), 0);
  EXPECT_EQ(doc_->db.results.position(), 0);
  EXPECT_FALSE(doc_->Offline());
  EXPECT_EQ(doc_->record_status_text, "Record: 0/0");

  doc_->Abandon();
  doc_->title_text.clear();
  front_end_.ClearRecord();
  doc_->FindFromBar("rome", "ALL");
  EXPECT_EQ(front_end_.Messages(), std::vector<std::string>{LoadString(IDS_NO_ARCHIVE)});
}

}  // namespace
