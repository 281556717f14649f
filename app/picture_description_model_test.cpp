// The description editor's rules, driven without a display: the ID's checks, the defaults
// offered to the next picture, the categories stored, the storage locations and the custom
// fields.
#include "app/picture_description_model.h"

#include <gtest/gtest.h>

#include <set>

#include "base/front_end_fake.h"
#include "base/string_table.h"
#include "store/database.h"

namespace {

class PictureDescriptionTest : public testing::Test {
 protected:
  PictureDescriptionTest() {
    record_.fields[kFieldId] = "000001";
    record_.fields[kFieldWhere] = "Bergen";
    record_.fields[kFieldCategory] = "TO_BE_DESCRIBED";
    record_.quality = 2;
    record_.image_path = "/photos/a.jpg";
  }

  // The editor opened over the record with what the document remembers.
  CPictDescrModel& Open() {
    sheet_ = std::make_unique<CPictDescrModel>(
        front_end_, [this](const std::string& key) { return keys_.count(key) > 0; }, names_);
    sheet_->Load(record_, defaults_, locations_, definitions_);
    return *sheet_;
  }
  // OK pressed: the record and the document's fields as the editor leaves them.
  bool Ok() {
    if (!sheet_->Accept()) return false;
    sheet_->Store(record_, defaults_, locations_, definitions_);
    return true;
  }

  CScriptedFrontEnd front_end_;
  std::set<std::string> keys_ = {"000001", "000002", "BERGEN"};
  std::vector<std::string> names_ = {"Summer", "Sun"};
  Cdatabase record_;
  CAnnotationDefaults defaults_;
  std::array<std::string, kStorageLocationCount> locations_;
  std::vector<CUserDefFields> definitions_;
  std::unique_ptr<CPictDescrModel> sheet_;
};

TEST_F(PictureDescriptionTest, TheIdIsTrimmedCheckedAndUniqueWhenItChanged) {
  struct Case {
    const char* typed;
    const char* stored;  // nullptr: refused with `message`
    std::string message;
  };
  const Case cases[] = {
      {"  000001 ", "000001", ""},  // its own ID: no uniqueness check
      {" img_7 ", "IMG_7", ""},
      {"000002", nullptr, LoadString(IDS_ID_NOT_UNIQUE)},
      {"bergen", nullptr, LoadString(IDS_ID_NOT_UNIQUE)},  // a word's key is taken too
      {"   ", nullptr, kMsgEmptyId},
      {"A B", nullptr, LoadString(IDS_ID_ILLEGAL_CHARACTER)},
      {"50%", nullptr, LoadString(IDS_ID_ILLEGAL_CHARACTER)},
      {"ABCDEFGHIJKLMNOPQRS", "ABCDEFGHIJKLMNOPQRS", ""},    // 19 characters
      {"ÆØÅÆØÅÆØÅÆ", nullptr, LoadString(IDS_ID_TOO_LONG)},  // 20 bytes
  };
  for (const Case& c : cases) {
    front_end_.ClearRecord();
    CPictDescrModel& sheet = Open();
    sheet.description.id = c.typed;
    if (c.stored) {
      EXPECT_TRUE(Ok()) << c.typed;
      EXPECT_EQ(record_.fields[kFieldId], c.stored);
      record_.fields[kFieldId] = "000001";
    } else {
      EXPECT_FALSE(sheet.Accept()) << c.typed;
      EXPECT_EQ(front_end_.Messages(), std::vector<std::string>{c.message}) << c.typed;
    }
  }
}

TEST_F(PictureDescriptionTest, ARefusedIdKeepsTheSheetOnTheDescriptionPage) {
  CPictDescrModel& sheet = Open();
  sheet.description.id = "000002";
  EXPECT_FALSE(sheet.ChangePage(DescriptionPage::kInfo));
  EXPECT_EQ(sheet.page, DescriptionPage::kDescription);
  sheet.description.id = "000003";
  EXPECT_TRUE(sheet.ChangePage(DescriptionPage::kFile));
  EXPECT_TRUE(sheet.ChangePage(DescriptionPage::kInfo));  // from another page: no check
  sheet.description.id = "000002";
  EXPECT_FALSE(sheet.Accept());
  EXPECT_EQ(sheet.page, DescriptionPage::kDescription);
  EXPECT_EQ(front_end_.Messages().size(), 2u);
}

TEST_F(PictureDescriptionTest, RepeatedTextsAndDefaultCategoriesFillTheNextEmptyPicture) {
  CPictDescrModel& sheet = Open();
  EXPECT_EQ(sheet.categories.Field(), "TO_BE_DESCRIBED");
  sheet.description.where() = "Tromsø";
  sheet.description.description() = "Nordlys\r\nover byen";
  sheet.description.repeat = {false, true, false};
  sheet.categories.choice.SetTicked(0, true);  // Summer
  sheet.categories.set_as_default = true;
  ASSERT_TRUE(Ok());
  EXPECT_EQ(record_.fields[kFieldCategory], "Summer");  // TO_BE_DESCRIBED is dropped
  EXPECT_EQ(defaults_.default_text[1], "Tromsø");
  EXPECT_EQ(defaults_.category_default_text, "Summer");

  // The next picture has no Where and only TO_BE_DESCRIBED.
  record_.fields[kFieldWhere].clear();
  record_.fields[kFieldDescription].clear();
  record_.fields[kFieldCategory] = "TO_BE_DESCRIBED";
  CPictDescrModel& next = Open();
  EXPECT_EQ(next.description.where(), "Tromsø");
  EXPECT_EQ(next.description.description(), "");  // not repeated
  EXPECT_EQ(next.description.repeat, (std::array<bool, 3>{false, true, false}));
  EXPECT_EQ(next.categories.Field(), "Summer");
  EXPECT_TRUE(next.categories.set_as_default);
}

TEST_F(PictureDescriptionTest, ANewLocationComesFirstAndTheSixteenthIsDropped) {
  for (int i = 0; i < kStorageLocationCount; ++i) locations_[i] = "Box " + std::to_string(i + 1);
  CPictDescrModel& sheet = Open();
  EXPECT_EQ(sheet.info.LocationChoices().size(), 15u);
  sheet.info.location = "Box 7";  // known: the list stays as it is
  ASSERT_TRUE(Ok());
  EXPECT_EQ(locations_.front(), "Box 1");
  Open().info.location = "Shelf A";
  ASSERT_TRUE(Ok());
  EXPECT_EQ(locations_.front(), "Shelf A");
  EXPECT_EQ(locations_[1], "Box 1");
  EXPECT_EQ(locations_.back(), "Box 14");
  EXPECT_EQ(record_.fields[kFieldLocation], "Shelf A");
  Open().info.location = "";  // no place to remember
  ASSERT_TRUE(Ok());
  EXPECT_EQ(locations_.front(), "Shelf A");
}

TEST_F(PictureDescriptionTest, QualityIsTheTopLineOfItsList) {
  for (auto [stored, line] : {std::pair{2, 1}, {4, 3}, {0, 0}, {200, 3}}) {
    record_.quality = static_cast<uint8_t>(stored);
    EXPECT_EQ(Open().info.quality_line, line) << stored;
  }
  Open().info.quality_line = 2;
  ASSERT_TRUE(Ok());
  EXPECT_EQ(record_.quality, 3);
}

TEST_F(PictureDescriptionTest, CustomFieldsShowTheirValuesAndDefaultsAndKeepTheirRecentValues) {
  CUserDefFields film, person;
  film.Set("Film no.", 1, 1);
  film.set_as_default = 1;
  film.recent_values[0] = "F-12";
  person.Set("Person", 2, 3);
  definitions_ = {film, person};
  record_.fields[102] = "Kari";
  CPictDescrModel& sheet = Open();
  ASSERT_EQ(sheet.info.fields.size(), 2u);
  EXPECT_TRUE(sheet.info.fields[0].set_as_default);
  EXPECT_EQ(sheet.info.fields[0].label, "Film no.");
  EXPECT_EQ(sheet.info.fields[0].value, "F-12");  // the default for an empty value
  EXPECT_EQ(sheet.info.fields[1].value, "Kari");
  sheet.info.fields[0].value = "F-13";
  sheet.info.fields[1].set_as_default = true;
  ASSERT_TRUE(Ok());
  EXPECT_EQ(record_.fields[100], "F-13");
  EXPECT_EQ(record_.fields[102], "Kari");
  EXPECT_EQ(definitions_[0].recent_values[0], "F-13");
  EXPECT_EQ(definitions_[0].recent_values[1], "F-12");
  EXPECT_EQ(definitions_[1].set_as_default, 1);
}

TEST_F(PictureDescriptionTest, ARecordFromADamagedIndexOpensAndKeepsWhatItHolds) {
  record_.fields[kFieldId] = "B\xD8RGE";  // Windows-1252, and not in the key tree's words
  record_.quality = 0;
  CUserDefFields unset, beyond;
  unset.Set("Unset", 1, 0);
  beyond.Set("Beyond", 2, 400);
  definitions_ = {unset, beyond};
  CPictDescrModel& sheet = Open();
  ASSERT_EQ(sheet.info.fields.size(), 2u);
  EXPECT_EQ(sheet.info.fields[1].value, "");
  sheet.info.fields[1].value = "lost";
  ASSERT_TRUE(Ok());
  EXPECT_EQ(record_.fields[kFieldId], "B\xD8RGE");  // its own ID: kept byte for byte
  EXPECT_EQ(record_.quality, 1);
  EXPECT_EQ(record_.fields[99], "");
}

TEST_F(PictureDescriptionTest, AChangedPictureFileMustBeAPictureAndBrowseChoosesOne) {
  CPictDescrModel& sheet = Open();
  sheet.file.image_path = "/photos/notes.txt";
  EXPECT_FALSE(sheet.Accept());
  EXPECT_EQ(sheet.page, DescriptionPage::kFile);
  EXPECT_EQ(front_end_.Messages().back(),
            "/photos/notes.txt is not the name of a picture file: it must end in .jpg or .tif.");
  front_end_.AnswerNextFile("/photos/b.JPG");
  sheet.file.Browse(front_end_);
  ASSERT_TRUE(Ok());
  EXPECT_EQ(record_.image_path, "/photos/b.JPG");
}

}  // namespace
