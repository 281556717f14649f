#include "app/document_state.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/archive_reader.h"
#include "base/archive_writer.h"
#include "base/string_printf.h"
#include "platform/temp_dir_testing.h"

namespace {

namespace fs = std::filesystem;

CDocumentState SampleState() {
  CDocumentState state;
  state.carried_value = -42;
  state.import_counter = 1234;
  state.category_names = {"HOLIDAY", "Familie Ødegård", "CATS"};
  for (int i = 0; i < kStorageLocationCount; ++i) {
    state.storage_locations[i] = i < 3 ? "Box " + std::to_string(i) : "";
  }
  state.reserved_strings[0] = "kept";
  state.reserved_strings[14] = std::string(300, 'r');  // a long string's prefix form
  state.definitions.resize(2);
  state.definitions[0].Set("Film", 1, 1);
  state.definitions[0].display = 1;
  state.definitions[0].recent_values[0] = "F-12";
  state.definitions[1].Set("Person", 2, 2);
  state.definitions[1].search = 0;
  state.definitions[1].set_as_default = 1;
  state.csv_file = "/home/u/list.csv";
  for (size_t i = 0; i < kCsvMappingSize; ++i) state.csv_mapping[i] = static_cast<uint8_t>(i);
  return state;
}

// Writes the fields of an older state file one by one.
class COldStateFile {
 public:
  COldStateFile(int32_t version, const std::vector<std::string>& categories) {
    out_.WriteInt32(version);
    out_.WriteInt32(0);  // carried value
    out_.WriteInt32(7);  // import counter
    out_.WriteInt32(static_cast<int32_t>(categories.size()));
    for (const std::string& name : categories) out_.WriteString(name);
  }
  // An old-style custom field of versions before 15.
  void OldField(const std::string& label, int32_t search) {
    out_.WriteString(label);
    out_.WriteInt32(search);
    out_.WriteInt32(99);
    for (int i = 0; i < 15; ++i) out_.WriteString(label.empty() ? "" : label + std::to_string(i));
  }
  void LocationsAndReserved() {
    for (int i = 0; i < kStorageLocationCount + kReservedStringCount; ++i) {
      out_.WriteString(i == 0 ? "Shelf" : "");
    }
  }
  CArchiveWriter& out() { return out_; }
  const std::string& data() const { return out_.data(); }

 private:
  CArchiveWriter out_;
};

class DocumentStateTest : public ::testing::Test {
 protected:
  void WriteStateFile(const std::string& bytes) { dir_.Write("pics.kw0", bytes); }
  CDocumentStateRead Read() { return ReadDocumentState(index_, temp_); }

  CTempDir dir_;
  const std::string temp_ = dir_.MakeDir("tmp");
  const std::string index_ = dir_ / "pics.acx";
};

}  // namespace

TEST(StateFilePathTest, ReplacesTheExtensionOfTheFileName) {
  EXPECT_EQ(StateFilePath("/home/u/pics.acx"), "/home/u/pics.kw0");
  EXPECT_EQ(StateFilePath("c:\\photos\\trip.acx"), "c:\\photos\\trip.kw0");
  EXPECT_EQ(StateFilePath("/home/u.v/pics.old.acx"), "/home/u.v/pics.old.kw0");
  EXPECT_EQ(StateFilePath("/home/u.v/pics"), "/home/u.v/pics.kw0");  // never in the folder
}

TEST_F(DocumentStateTest, StateWrittenAndReadBackIsTheSame) {
  const CDocumentState state = SampleState();
  CResultListState list;
  list.entries = {{3, 0}, {9, 1}};
  list.current_position = 2;
  list.first_visible = 1;
  const CDocumentStateSave save = SaveDocumentState(index_, temp_, state, list);
  EXPECT_TRUE(save.state_file_status.ok()) << save.state_file_status.detail;
  EXPECT_TRUE(save.result_list_status.ok()) << save.result_list_status.detail;
  EXPECT_TRUE(fs::exists(temp_ + "/" + ResultListFilePath(index_, "")));
  EXPECT_FALSE(fs::exists(dir_ / "pics.kw0.tmp"));

  const CDocumentStateRead read = Read();
  EXPECT_TRUE(read.state_file_status.ok()) << read.state_file_status.detail;
  EXPECT_TRUE(read.result_list_status.ok()) << read.result_list_status.detail;
  EXPECT_EQ(read.version, 18);
  EXPECT_EQ(read.state, state);
  ASSERT_TRUE(read.result_list.has_value());
  EXPECT_TRUE(read.result_list->entries_valid);
  EXPECT_EQ(read.result_list->entries, list.entries);
  EXPECT_EQ(read.result_list->current_position, 2);
}

TEST_F(DocumentStateTest, MissingStateFileGivesTheNewIndexStateWithoutMessage) {
  const CDocumentStateRead read = Read();
  EXPECT_EQ(read.state_file_status.kind, CStateFileStatus::Kind::kNotOpened);
  EXPECT_EQ(read.state_file_status.Message(), "");
  EXPECT_EQ(read.state, CDocumentState{});
  EXPECT_EQ(read.state.import_counter, 1);
  EXPECT_FALSE(read.result_list.has_value());
}

TEST_F(DocumentStateTest, OlderVersionsRestoreTheirStoredResultList) {
  for (int32_t version : {14, 16, 17}) {
    COldStateFile file(version, {"A"});
    if (version < 15) {
      for (int i = 0; i < 4; ++i) file.OldField("", 0);
    }
    file.LocationsAndReserved();
    CArchiveWriter& out = file.out();
    for (int32_t value : {3, 2, 1, 3}) out.WriteInt32(value);  // count, position, first, n
    for (int32_t record : {12, 7, 123456}) {
      if (version < 17) {
        out.WriteString(StringPrintf("%6d", record));
      } else {
        out.WriteInt32(record);
      }
    }
    if (version >= 15) out.WriteInt32(0);  // no definitions
    if (version >= 16) {
      out.WriteString("a.csv");
      out.WriteBytes(std::string(kCsvMappingSize, '\x02'));
    }
    WriteStateFile(file.data());

    const CDocumentStateRead read = Read();
    EXPECT_TRUE(read.state_file_status.ok()) << version << read.state_file_status.detail;
    ASSERT_TRUE(read.result_list.has_value()) << version;
    EXPECT_TRUE(read.result_list->entries_valid);
    EXPECT_EQ(read.result_list->entries,
              (std::vector<CResultListEntry>{{12, 0}, {7, 0}, {123456, 0}}));
    EXPECT_EQ(read.result_list->current_position, 2);
    EXPECT_EQ(read.state.storage_locations[0], "Shelf");
    EXPECT_EQ(read.state.csv_file, version >= 16 ? "a.csv" : "") << version;
  }
}

TEST_F(DocumentStateTest, RecordNumbersAreReadFromTheirSixWideText) {
  COldStateFile file(16, {});
  file.LocationsAndReserved();
  CArchiveWriter& out = file.out();
  for (int32_t value : {4, 1, 1, 4}) out.WriteInt32(value);
  for (const char* text : {"     1", "    42", "999999", "1234567"}) out.WriteString(text);
  WriteStateFile(file.data() + std::string(4, '\0') + std::string(1 + kCsvMappingSize, '\0'));
  const CDocumentStateRead read = Read();
  ASSERT_TRUE(read.result_list.has_value());
  EXPECT_EQ(read.result_list->entries,
            (std::vector<CResultListEntry>{{1, 0}, {42, 0}, {999999, 0}, {1234567, 0}}));
}

TEST_F(DocumentStateTest, Version13FileConvertsItsOldCustomFields) {
  COldStateFile file(13, {"A"});
  file.OldField("Film", 1);
  file.OldField("", 1);  // no label: no definition
  file.OldField("Person", 0);
  file.OldField("Roll", 1);
  file.LocationsAndReserved();
  WriteStateFile(file.data());

  const CDocumentStateRead read = Read();
  EXPECT_TRUE(read.state_file_status.ok()) << read.state_file_status.detail;
  EXPECT_FALSE(read.result_list.has_value());
  ASSERT_EQ(read.state.definitions.size(), 3u);
  const CUserDefFields& person = read.state.definitions[1];
  EXPECT_EQ(person.label, "Person");
  EXPECT_EQ(person.number, 3);
  EXPECT_EQ(person.value_slot, 3);
  EXPECT_EQ(person.search, 0);
  EXPECT_EQ(person.recent_values[0], "Person0");
  EXPECT_EQ(person.recent_values[14], "Person14");
  EXPECT_EQ(person.recent_values[15], "");
  EXPECT_EQ(read.state.definitions[0].number, 1);
  EXPECT_EQ(read.state.definitions[2].number, 4);
  EXPECT_EQ(read.state.storage_locations[0], "Shelf");
  EXPECT_EQ(SearchFlagTable(read.state.definitions)[100], 1);
  EXPECT_EQ(SearchFlagTable(read.state.definitions)[102], 0);
  EXPECT_EQ(SearchFlagTable(read.state.definitions)[103], 1);
}

TEST_F(DocumentStateTest, Version15DefinitionsOfFormat10AreWrittenBackAsFormat11) {
  COldStateFile file(15, {});
  file.LocationsAndReserved();
  CArchiveWriter& out = file.out();
  for (int32_t value : {0, 0, 1, 0}) out.WriteInt32(value);  // an empty result list
  out.WriteInt32(2);
  for (int n = 1; n <= 2; ++n) {
    out.WriteInt32(10);
    out.WriteString("Field " + std::to_string(n));
    for (int32_t value : {n, n, 1, 1, 0}) out.WriteInt32(value);
    for (int i = 0; i < 20; ++i) out.WriteString("");
  }
  WriteStateFile(file.data());

  const CDocumentStateRead read = Read();
  EXPECT_TRUE(read.state_file_status.ok()) << read.state_file_status.detail;
  ASSERT_EQ(read.state.definitions.size(), 2u);
  EXPECT_EQ(read.state.definitions[1].label, "Field 2");
  EXPECT_EQ(read.state.definitions[1].display, 0);

  const CDocumentStateRead again = DecodeDocumentState(EncodeDocumentState(read.state));
  ASSERT_EQ(again.state.definitions.size(), 2u);
  EXPECT_EQ(again.state.definitions[0].format_version, 11);
  EXPECT_EQ(again.state.definitions[1].label, "Field 2");
}

TEST_F(DocumentStateTest, RepeatedCategoriesAndToBeDescribedAreSkipped) {
  COldStateFile file(17, {"CATS", "TO_BE_DESCRIBED", "DOGS", "CATS", "cats"});
  file.LocationsAndReserved();
  for (int32_t value : {0, 0, 1, 0, 0}) file.out().WriteInt32(value);
  file.out().WriteString("");
  file.out().WriteBytes(std::string(kCsvMappingSize, '\0'));
  WriteStateFile(file.data());
  EXPECT_EQ(Read().state.category_names, (std::vector<std::string>{"CATS", "DOGS", "cats"}));
}

TEST_F(DocumentStateTest, ResultListFileOfTheWrongLengthKeepsOnlyTheCounters) {
  SaveDocumentState(index_, temp_, SampleState(), CResultListState{});
  const std::string list_file = ResultListFilePath(index_, temp_);
  CArchiveWriter out;
  for (int32_t value : {3, 2, 1, 5}) out.WriteInt32(value);  // three entries announced
  out.WriteByte(1);                                          // one and a bit there
  dir_.Write("tmp/" + ResultListFilePath(index_, ""), out.data());

  const CDocumentStateRead read = Read();
  EXPECT_TRUE(read.state_file_status.ok());
  EXPECT_EQ(read.state, SampleState());
  ASSERT_TRUE(read.result_list.has_value());
  EXPECT_FALSE(read.result_list->entries_valid);
  EXPECT_TRUE(read.result_list->entries.empty());
  EXPECT_EQ(read.result_list->count, 3);
  EXPECT_EQ(read.result_list->current_position, 2);
  EXPECT_EQ(read.result_list_status.kind, CStateFileStatus::Kind::kDamaged);
  EXPECT_NE(read.result_list_status.Message().find(list_file), std::string::npos);
}

TEST_F(DocumentStateTest, MissingResultListFileLeavesNoList) {
  WriteStateFile(EncodeDocumentState(SampleState()));
  const CDocumentStateRead read = Read();
  EXPECT_TRUE(read.state_file_status.ok());
  EXPECT_FALSE(read.result_list.has_value());
  EXPECT_EQ(read.result_list_status.kind, CStateFileStatus::Kind::kNotOpened);
}

// Damaged state files: the reader stops at the first damaged field, keeps what it read before
// and names the file and the field.
TEST_F(DocumentStateTest, DamagedStateFileKeepsWhatWasReadAndNamesTheField) {
  const std::string whole = EncodeDocumentState(SampleState());
  // Byte offsets in the sample file: version 0, carried value 4, import counter 8, category
  // count 12, first category name 16.
  auto with_int_at = [&](size_t offset, int32_t value) {
    CArchiveWriter out;
    out.WriteInt32(value);
    std::string bytes = whole;
    bytes.replace(offset, 4, out.data());
    return bytes;
  };
  const size_t definitions_at = whole.find(std::string("\x02\x00\x00\x00\x0B", 5));
  ASSERT_NE(definitions_at, std::string::npos);

  struct Case {
    std::string name, bytes, field;
    size_t categories, definitions;
  };
  const std::vector<Case> cases = {
      {"empty file", "", "version at byte 0", 0, 0},
      {"cut in the counter", whole.substr(0, 10), "import counter at byte 8", 0, 0},
      {"huge category count", with_int_at(12, 0x7FFFFFFF), "category count at byte 12", 0, 0},
      {"negative category count", with_int_at(12, -5), "category count at byte 12", 0, 0},
      {"name longer than the file",
       whole.substr(0, 16) + std::string("\xFF\xFF\xFF\x00\x00\x00\x10", 7),
       "category name at byte 16", 0, 0},
      {"cut in a location", whole.substr(0, 60), "storage location", 3, 0},
      {"huge definition count", with_int_at(definitions_at, 100000), "field definition count", 3,
       0},
      {"negative definition count", with_int_at(definitions_at, INT32_MIN),
       "field definition count", 3, 0},
      {"cut in the second definition", whole.substr(0, whole.size() - 280), "field definition", 3,
       1},
      {"cut in the CSV mapping", whole.substr(0, whole.size() - 1), "CSV mapping", 3, 2},
  };
  for (const Case& c : cases) {
    WriteStateFile(c.bytes);
    const CDocumentStateRead read = Read();
    EXPECT_EQ(read.state_file_status.kind, CStateFileStatus::Kind::kDamaged) << c.name;
    EXPECT_EQ(read.state_file_status.detail.rfind(c.field, 0), 0u)
        << c.name << ": " << read.state_file_status.detail;
    EXPECT_NE(read.state_file_status.Message().find(dir_ / "pics.kw0"), std::string::npos);
    EXPECT_EQ(read.state.category_names.size(), c.categories) << c.name;
    EXPECT_EQ(read.state.definitions.size(), c.definitions)
        << c.name << read.state_file_status.detail;
  }
}

TEST_F(DocumentStateTest, DamagedStoredResultListBuildsNoEntries) {
  struct Case {
    const char* name;
    int32_t entries;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {"entry not a number", 2, {"    12", "  x7  "}},
      {"more entries than the file holds", 1000, {"1"}},
      {"negative entry count", -1, {}},
  };
  for (const Case& c : cases) {
    COldStateFile file(16, {"A"});
    file.LocationsAndReserved();
    for (int32_t value : {2, 1, 1, c.entries}) file.out().WriteInt32(value);
    for (const std::string& text : c.texts) file.out().WriteString(text);
    WriteStateFile(file.data());
    const CDocumentStateRead read = Read();
    EXPECT_EQ(read.state_file_status.kind, CStateFileStatus::Kind::kDamaged) << c.name;
    ASSERT_TRUE(read.result_list.has_value()) << c.name;
    EXPECT_FALSE(read.result_list->entries_valid) << c.name;
    EXPECT_TRUE(read.result_list->entries.empty()) << c.name;
    EXPECT_EQ(read.state.category_names, std::vector<std::string>{"A"}) << c.name;
  }
}

TEST_F(DocumentStateTest, StateFileThatCannotBeWrittenIsReportedAndTheOldOneStays) {
  const CDocumentStateSave save =
      SaveDocumentState(dir_ / "missing/pics.acx", temp_, SampleState(), {});
  EXPECT_EQ(save.state_file_status.kind, CStateFileStatus::Kind::kWriteFailed);
  EXPECT_NE(save.state_file_status.Message().find(dir_ / "missing/pics.kw0"), std::string::npos);

  // The new file goes in beside the old one and replaces it whole: a folder in the way of
  // the temporary file makes the write fail before the old file is touched.
  WriteStateFile("old");
  fs::create_directory(dir_ / "pics.kw0.tmp");
  EXPECT_FALSE(SaveDocumentState(index_, temp_, SampleState(), {}).state_file_status.ok());
  EXPECT_EQ(CTempDir::Read(dir_ / "pics.kw0"), "old");
}
