#include "classify/user_def_fields.h"

#include <gtest/gtest.h>

#include "base/archive_reader.h"
#include "base/archive_writer.h"

namespace {

CUserDefFields FilledField() {
  CUserDefFields field;
  field.Set("Film no.", 3, 4);
  field.set_as_default = 1;
  field.enabled = 0;
  field.search = 0;
  field.display = 1;
  for (int i = 0; i < CUserDefFields::kRecentValueCount; ++i) {
    field.recent_values[i] = "value " + std::to_string(i);
  }
  return field;
}

// A definition as an older program wrote it: no Display flag.
std::string Version10Definition(const std::string& label) {
  CArchiveWriter out;
  out.WriteInt32(10);
  out.WriteString(label);
  for (int32_t value : {2, 2, 1, 1, 0}) out.WriteInt32(value);  // number .. default
  for (int i = 0; i < CUserDefFields::kRecentValueCount; ++i) out.WriteString("r");
  return out.data();
}

std::array<std::string, 20> Numbered() {
  std::array<std::string, 20> values;
  for (int i = 0; i < 20; ++i) values[i] = "v" + std::to_string(i);
  return values;
}

}  // namespace

TEST(UserDefFieldsTest, NewFieldHasItsInitialMembers) {
  CUserDefFields field;
  field.Set("New field", 2, 2);
  EXPECT_EQ(field.label, "New field");
  EXPECT_EQ(field.number, 2);
  EXPECT_EQ(field.value_slot, 2);
  EXPECT_EQ(field.ValueField(), 101);
  EXPECT_EQ(field.format_version, 11);
  EXPECT_EQ(field.enabled, 1);
  EXPECT_EQ(field.search, 1);
  EXPECT_EQ(field.display, 0);
  EXPECT_EQ(field.set_as_default, 0);
}

TEST(UserDefFieldsTest, WrittenAndReadBackKeepsEveryStoredMember) {
  const CUserDefFields field = FilledField();
  CArchiveWriter out;
  field.Serialize(out);
  // version, label, number, value slot, Enabled, Search, default, Display, 20 values
  EXPECT_EQ(out.data().substr(0, 4), std::string("\x0B\x00\x00\x00", 4));

  CArchiveReader in(out.data());
  auto read = CUserDefFields::Deserialize(in);
  ASSERT_TRUE(read.has_value()) << in.damage();
  EXPECT_EQ(*read, field);
  EXPECT_EQ(in.remaining(), 0u);
}

TEST(UserDefFieldsTest, Version10DefinitionReadsWithoutDisplayAndIsWrittenAsVersion11) {
  const std::string old = Version10Definition("Person");
  CArchiveReader in(old);
  auto field = CUserDefFields::Deserialize(in);
  ASSERT_TRUE(field.has_value()) << in.damage();
  EXPECT_EQ(in.remaining(), 0u);
  EXPECT_EQ(field->label, "Person");
  EXPECT_EQ(field->display, 0);
  EXPECT_EQ(field->format_version, 10);
  EXPECT_EQ(field->recent_values[19], "r");

  CArchiveWriter out;
  field->Serialize(out);
  EXPECT_EQ(out.data().size(), old.size() + 4);  // with the Display flag
  CArchiveReader again(out.data());
  auto rewritten = CUserDefFields::Deserialize(again);
  ASSERT_TRUE(rewritten.has_value());
  EXPECT_EQ(rewritten->format_version, 11);
  EXPECT_EQ(rewritten->display, 0);
  EXPECT_EQ(rewritten->label, "Person");
}

TEST(UserDefFieldsTest, TruncatedDefinitionIsDamageNamingTheField) {
  CArchiveWriter out;
  FilledField().Serialize(out);
  const std::string whole = out.data();
  for (size_t cut : {size_t{0}, size_t{3}, size_t{20}, whole.size() - 1}) {
    CArchiveReader in(std::string_view(whole).substr(0, cut));
    EXPECT_FALSE(CUserDefFields::Deserialize(in).has_value()) << cut;
    EXPECT_NE(in.damage().find("field definition"), std::string::npos) << in.damage();
  }
}

TEST(UserDefFieldsTest, RememberValueMovesAPresentValueToTheFront) {
  CUserDefFields field;
  field.recent_values = Numbered();
  field.current_value = "v5";
  field.RememberValue();
  const std::array<std::string, 20> expected = {"v5",  "v0",  "v1",  "v2",  "v3",  "v4",  "v6",
                                                "v7",  "v8",  "v9",  "v10", "v11", "v12", "v13",
                                                "v14", "v15", "v16", "v17", "v18", "v19"};
  EXPECT_EQ(field.recent_values, expected);
}

TEST(UserDefFieldsTest, RememberValueDropsTheOldestForANewValue) {
  CUserDefFields field;
  field.recent_values = Numbered();
  field.current_value = "new";
  field.RememberValue();
  EXPECT_EQ(field.recent_values[0], "new");
  EXPECT_EQ(field.recent_values[1], "v0");
  EXPECT_EQ(field.recent_values[19], "v18");

  field.current_value = "new";  // already first: nothing moves
  field.RememberValue();
  EXPECT_EQ(field.recent_values[0], "new");
  EXPECT_EQ(field.recent_values[1], "v0");
}

TEST(UserDefFieldsTest, RememberValueTakesOutTheLastOfRepeatedValues) {
  CUserDefFields field;
  field.recent_values = Numbered();
  field.recent_values[2] = "x";
  field.recent_values[7] = "x";
  field.current_value = "x";
  field.RememberValue();
  EXPECT_EQ(field.recent_values[0], "x");
  EXPECT_EQ(field.recent_values[3], "x");  // the earlier copy moved down with the others
  EXPECT_EQ(field.recent_values[7], "v6");
  EXPECT_EQ(field.recent_values[8], "v8");
}

TEST(UserDefFieldsTest, ApplyDefaultFillsOnlyAnEmptyValueWhenSet) {
  struct Case {
    int32_t set_as_default;
    std::string current, expected;
  };
  const Case cases[] = {{1, "", "latest"}, {1, "typed", "typed"}, {0, "", ""}};
  for (const Case& c : cases) {
    CUserDefFields field;
    field.recent_values[0] = "latest";
    field.set_as_default = c.set_as_default;
    field.current_value = c.current;
    field.ApplyDefault();
    EXPECT_EQ(field.current_value, c.expected);
  }
}

TEST(UserDefFieldsTest, SearchFlagTableMarksTheValueFieldOfEachDefinition) {
  std::vector<CUserDefFields> fields(4);
  fields[0].Set("a", 1, 1);
  fields[1].Set("b", 2, 2);
  fields[1].search = 0;
  fields[2].Set("c", 3, 27);
  fields[3].Set("d", 4, 28);  // not stored: no flag (and none past the table)
  const CSearchFlagTable flags = SearchFlagTable(fields);
  EXPECT_EQ(flags[100], 1);
  EXPECT_EQ(flags[101], 0);
  EXPECT_EQ(flags[126], 1);
  EXPECT_EQ(flags[127], 0);
  EXPECT_EQ(std::count(flags.begin(), flags.end(), 1), 2);
}

TEST(UserDefFieldsTest, DefinitionListCountBeyondTheDataIsDamage) {
  struct Case {
    int32_t count;
    size_t kept;
  };
  for (const Case& c : {Case{-1, 0}, Case{2, 1}, Case{1000000, 0}}) {
    CArchiveWriter out;
    out.WriteInt32(c.count);
    FilledField().Serialize(out);
    CArchiveReader in(out.data());
    std::vector<CUserDefFields> fields;
    EXPECT_FALSE(ReadDefinitionList(in, fields)) << c.count;
    EXPECT_EQ(fields.size(), c.kept) << c.count;
  }
}
