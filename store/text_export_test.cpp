// Text export and import: the lines written for a record, the tags the import reads, and the
// round trip through a file.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/front_end_fake.h"
#include "base/string_printf.h"
#include "platform/temp_dir_testing.h"
#include "store/maintenance_testing.h"
#include "store/store_testing.h"

namespace {

using Ids = std::vector<std::string>;

CExportDefinition Definition(const std::string& label, int slot, int search, int enabled) {
  return {label, 0, slot, search, enabled};
}

class TextExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateIndex(db_, dir_ / "pics.acx");
    CreateIndex(other_, dir_ / "other.acx");
  }

  // Exports every record of `db` as the closing backup does; the file's bytes.
  std::string ExportAll(Cdatabase& db, const std::string& name,
                        const std::vector<CExportDefinition>& definitions = {}) {
    db.RunQuery(kAllRecordsQuery);
    const int exported = db.ExportText(dir_ / name, definitions);
    EXPECT_TRUE(db.status().ok()) << db.status().message();
    EXPECT_EQ(exported, db.results.count());
    return CTempDir::Read(dir_ / name).value_or("");
  }

  int Import(Cdatabase& db, const std::string& name) {
    const int added = db.ImportText(dir_ / name, categories_, definitions_);
    EXPECT_TRUE(db.status().ok()) << db.status().message();
    return added;
  }

  // The current record after going to the picture with this ID.
  Cdatabase& Picture(Cdatabase& db, const std::string& id) {
    const int record = db.RecordOfId(id);
    EXPECT_GT(record, 0) << id;
    db.GoToRecord(record);
    return db;
  }

  CTempDir dir_;
  Cdatabase db_;
  Cdatabase other_;
  std::vector<std::string> categories_;
  std::vector<CExportDefinition> definitions_;
};

TEST_F(TextExportTest, ExportWritesEveryLineOfAValueAndKeepsEveryCharacter) {
  ASSERT_GT(AddTestRecord(db_, "000002", "/home/u/Pictures/\xC3\x86r\xC3\xB8.jpg",
                          {{2, "  Oslo  "},
                           {3, "First line\r\nSecond line"},
                           {10, "left\nright"},
                           {101, "a\r\n\r\nb"}},
                          "", 5, "S1"),
            0);
  ASSERT_GT(
      AddTestRecord(db_, "000001", "c:/photos/a.jpg", {{1, "2001"}, {4, "TRAVEL"}}, "PHOTOS1"), 0);
  const std::string text =
      ExportAll(db_, "a.exp", {Definition("Film", 2, 1, 1), Definition("Person", 1, 0, 1)});
  EXPECT_EQ(text,
            "UDF:Film|2|1|1\r\nUDF:Person|1|0|1\r\n"
            "000:000001\r\n001:2001\r\n004:TRAVEL\r\nIM:c:/photos/a.jpg\r\nLB:PHOTOS1\r\n"
            "QU:2\r\nXX\r\n"
            "000:000002\r\n002:Oslo\r\n003:First line\r\n003:Second line\r\n010:left\r\n"
            "010:right\r\n101:a\r\n101:\r\n101:b\r\n"
            "IM:/home/u/Pictures/\xC3\x86r\xC3\xB8.jpg\r\nSO:S1\r\nQU:5\r\nXX\r\n");

  EXPECT_EQ(Import(other_, "a.exp"), 2);
  Cdatabase& second = Picture(other_, "000002");
  EXPECT_EQ(second.fields[2], "Oslo");
  EXPECT_EQ(second.fields[3], "First line\r\nSecond line");
  EXPECT_EQ(second.fields[10], "left\r\nright");  // the bare line feed became a line break
  EXPECT_EQ(second.fields[101], "a\r\n\r\nb");
  EXPECT_EQ(second.image_path, "/home/u/Pictures/\xC3\x86r\xC3\xB8.jpg");
  EXPECT_EQ(second.quality, 5);
  EXPECT_EQ(second.volume_label, "");
  EXPECT_EQ(FoundIds(other_, "c:travel"), Ids{"000001"});
  EXPECT_EQ(FoundIds(other_, "second"), Ids{"000002"});
  EXPECT_EQ(categories_, std::vector<std::string>{"TRAVEL"});
  ASSERT_EQ(definitions_.size(), 2u);
  EXPECT_EQ(definitions_[0].label, "Film");
  EXPECT_EQ(definitions_[0].number, 1);
  EXPECT_EQ(definitions_[0].value_slot, 2);
  EXPECT_EQ(definitions_[0].search, 1);
  EXPECT_EQ(definitions_[0].enabled, 1);
  EXPECT_EQ(definitions_[1].number, 2);
  EXPECT_EQ(definitions_[1].search, 0);
}

TEST_F(TextExportTest, RoundTripGivesTheSameFileAndTheSameSearches) {
  // The first Description names the picture 000030, which comes later in the export.
  AddDescribedPictures(db_, 3, 12);
  ASSERT_TRUE(db_.status().ok()) << db_.status().message();
  db_.GoToRecord(5);
  db_.DeleteCurrent();
  const auto answers = SearchAnswers(db_);
  ASSERT_EQ(answers.at("000030"), Ids{"000030"});

  const std::string first = ExportAll(db_, "first.exp", {Definition("Film", 2, 1, 1)});
  EXPECT_EQ(Import(other_, "first.exp"), 35);
  EXPECT_EQ(ExportAll(other_, "second.exp", {Definition("Film", 2, 1, 1)}), first);
  EXPECT_EQ(SearchAnswers(other_), answers);
  // The word 000030 of the first description gave way to the picture 000030.
  EXPECT_EQ(FoundIds(other_, "000030"), Ids{"000030"});
  const std::string lower_case_place =
      "\xC3\xA6r\xC3\xB8sk\xC3\xB8"
      "bing";
  EXPECT_FALSE(FoundIds(other_, lower_case_place).empty());
  EXPECT_EQ(FoundIds(other_, lower_case_place), FoundIds(db_, lower_case_place));
  EXPECT_EQ(FoundIds(other_,
                     "GR\xC3\x9C\xC3\x9F"
                     "E")
                .size(),
            34u);
  EXPECT_EQ(categories_, (std::vector<std::string>{"TRAVEL", "FAMILY"}));
  EXPECT_EQ(first.find('\n'), first.find("\r\n") + 1);
  EXPECT_EQ(std::count(first.begin(), first.end(), '\n'),
            std::count(first.begin(), first.end(), '\r'));
}

TEST_F(TextExportTest, ImportReadsTheTagsOfOldAndNewExports) {
  const std::string long_value(40000, 'x');
  dir_.Write("tags.exp",
             "UD:Old label|x|1\n"
             "UDF:Film|2|1|1\r\n"
             "   00:A1\r\n"
             "01:2001\n"
             "004:TRAVEL FAMILY\r\n"
             "04:TRAVEL  NEW\r\n"
             "003:one\r\n"
             "003:two\r\n"
             "300:not a field\r\n"
             "ZZ:unknown\r\n"
             "a line without colon\r\n"
             "IM:/Pics/Case.JPG\r\n"
             "LB:DISK 1\r\n"
             "SO:sortme\r\n"
             "QU:4\r\n"
             "XX\r\n"
             "003:no picture ID\r\n"
             "XX\r\n"
             "000:A1\r\n"
             "003:a second A1\r\n"
             "XX\r\n"
             "000:A2\r\n"
             "002:" +
                 long_value +
                 "\r\n"
                 "XX");
  categories_ = {"FAMILY"};
  CScriptedFrontEnd front_end;
  db_.SetFrontEnd(&front_end);
  EXPECT_EQ(Import(db_, "tags.exp"), 2);
  EXPECT_EQ(front_end.ProgressTitles(), std::vector<std::string>{"Importing database..."});
  EXPECT_EQ(front_end.Calls().front(), "progress: Importing database... 0..4");
  EXPECT_FALSE(front_end.ProgressOpen());

  EXPECT_EQ(LiveIds(db_), (Ids{"A1", "A2"}));
  Cdatabase& a1 = Picture(db_, "A1");
  EXPECT_EQ(a1.fields[1], "2001");
  EXPECT_EQ(a1.fields[3], "one\r\ntwo");
  EXPECT_EQ(a1.fields[4], "TRAVEL FAMILY\r\nTRAVEL  NEW");
  EXPECT_EQ(a1.image_path, "/Pics/Case.JPG");
  EXPECT_EQ(a1.volume_label, "DISK 1");
  EXPECT_EQ(a1.quality, 4);
  EXPECT_EQ(FoundIds(db_, "two"), Ids{"A1"});
  EXPECT_TRUE(FoundIds(db_, "second").empty());
  EXPECT_EQ(categories_, (std::vector<std::string>{"FAMILY", "TRAVEL", "NEW"}));
  ASSERT_EQ(definitions_.size(), 2u);
  EXPECT_EQ(definitions_[0].label, "Old label");
  EXPECT_EQ(definitions_[0].number, 1);
  EXPECT_EQ(definitions_[0].value_slot, 1);
  EXPECT_EQ(definitions_[0].search, 1);
  EXPECT_EQ(definitions_[0].enabled, 1);
  EXPECT_EQ(definitions_[1].label, "Film");
  EXPECT_EQ(definitions_[1].number, 2);
  EXPECT_EQ(definitions_[1].value_slot, 2);

  // The long line came as two: the first keeps the tag and 31,999 bytes in all.
  Cdatabase& a2 = Picture(db_, "A2");
  EXPECT_EQ(a2.fields[2], long_value.substr(0, 31999 - 4));
  EXPECT_EQ(a2.quality, 2);
}

TEST_F(TextExportTest, ImportIntoAnIndexHoldingEveryIdAddsNothingButBalancesTheTree) {
  for (int i = 1; i <= 60; ++i) {
    ASSERT_GT(AddTestRecord(db_, StringPrintf("%6.6d", i), "/p/" + std::to_string(i)), 0);
  }
  auto visits = [&](const std::string& id) {
    Cdatabase::COpenFiles files(db_);
    const int before = db_.visit_count();
    EXPECT_GT(db_.FindKey(id, kRootNode), 0);
    return db_.visit_count() - before;
  };
  EXPECT_GT(visits("000060"), 50);
  ExportAll(db_, "all.exp");
  EXPECT_EQ(Import(db_, "all.exp"), 0);
  EXPECT_LE(visits("000060"), 6);
  EXPECT_EQ(FoundIds(db_, kAllRecordsQuery).size(), 60u);
}

TEST_F(TextExportTest, ExportMadeOnWindowsImports) {
  dir_.Write("windows.exp",
             "000:N1\r\n"
             "002:\xC6r\xF8sk\xF8"
             "bing\r\n"
             "003:Gr\xFC\xDF"
             "e aus K\xF6ln, caf\xE9 \xE0 Paris \x80 5\r\n"
             "XX\r\n");
  EXPECT_EQ(Import(db_, "windows.exp"), 1);
  Cdatabase& n1 = Picture(db_, "N1");
  EXPECT_EQ(n1.fields[2],
            "\xC3\x86r\xC3\xB8sk\xC3\xB8"
            "bing");
  EXPECT_EQ(n1.fields[3],
            "Gr\xC3\xBC\xC3\x9F"
            "e aus K\xC3\xB6ln, caf\xC3\xA9 \xC3\xA0 Paris \xE2\x82\xAC 5");
  for (const char* word : {"\xC3\xA6r\xC3\xB8sk\xC3\xB8"
                           "bing",
                           "K\xC3\x96LN", "caf\xC3\xA9",
                           "gr\xC3\xBC\xC3\x9F"
                           "e"}) {
    EXPECT_EQ(FoundIds(db_, word), Ids{"N1"}) << word;
  }
}

TEST_F(TextExportTest, FilesThatCannotBeOpenedGiveNothing) {
  EXPECT_EQ(db_.ImportText(dir_ / "missing.exp", categories_, definitions_), 0);
  EXPECT_NE(db_.status().message().find(dir_ / "missing.exp"), std::string::npos);
  db_.RunQuery(kAllRecordsQuery);
  EXPECT_EQ(db_.ExportText(dir_ / "no/such/folder.exp", {}), 0);
  EXPECT_NE(db_.status().message().find("no/such/folder.exp"), std::string::npos);
  // A full disk: the export stops with the message.
  EXPECT_EQ(db_.ExportText("/dev/full", {Definition("Film", 2, 1, 1)}), 0);
  EXPECT_NE(db_.status().message().find("/dev/full could not be written"), std::string::npos);

  // A store that cannot be written stops the import at the first record.
  dir_.Write("one.exp", "000:A\r\nXX\r\n000:B\r\nXX\r\n");
  auto io = std::make_shared<CFailingStoreIo>();
  io->writes_left = 0;
  db_.SetIo(io);
  EXPECT_EQ(db_.ImportText(dir_ / "one.exp", categories_, definitions_), 0);
  EXPECT_NE(db_.status().message().find("could not be written"), std::string::npos);
  db_.SetIo(PosixStoreIo());
  EXPECT_TRUE(LiveIds(db_).empty());
}

}  // namespace
