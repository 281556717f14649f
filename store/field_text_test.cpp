#include "store/field_text.h"

#include <gtest/gtest.h>

TEST(FieldTextTest, PacksNonEmptyStoredFields) {
  CFields fields;
  fields[0] = "000001";
  fields[1] = "2001";
  fields[4] = "TRAVEL";
  fields[127] = "lost";
  const std::string packed = PackFieldText(fields);
  EXPECT_EQ(packed, std::string("\xFF\x01"
                                "000001\xFF\x02"
                                "2001\xFF\x05"
                                "TRAVEL"));
  EXPECT_EQ(packed.size(), 22u);
  CFields read;
  read[9] = "old";
  UnpackFieldText(packed, read);
  EXPECT_EQ(read[0], "000001");
  EXPECT_EQ(read[4], "TRAVEL");
  EXPECT_EQ(read[9], "");
  EXPECT_EQ(read[127], "");
  EXPECT_EQ(UnpackField(packed, 4), "TRAVEL");
}

TEST(FieldTextTest, ReadsTheLegacyForms) {
  CFields fields;
  UnpackFieldText("||A|B@C", fields);
  EXPECT_EQ(fields[0], "A");
  EXPECT_EQ(fields[1], "B");
  EXPECT_EQ(fields[2], "C");
  EXPECT_EQ(UnpackField("A|B@C", 2), "C");
  UnpackFieldText(std::string("|\xFF\x01X\xFF\x0BREF"), fields);
  EXPECT_EQ(fields[0], "X");
  EXPECT_EQ(fields[10], "REF");
  EXPECT_EQ(fields[1], "");
  // Values past the 256th run to the end.
  std::string many;
  for (int i = 0; i < 258; ++i) many += std::to_string(i) + "|";
  UnpackFieldText(many, fields);
  EXPECT_EQ(fields[255], "255|256|257|");
}

TEST(FieldTextTest, LegacyUserFieldsMoveToTheirNewPlace) {
  CFields fields;
  fields[5] = "u1";
  fields[8] = "u4";
  fields[103] = "kept";
  MoveLegacyUserFields(fields);
  EXPECT_EQ(fields[100], "u1");
  EXPECT_EQ(fields[103], "kept");
  EXPECT_EQ(fields[5], "");
  EXPECT_EQ(fields[8], "");
}

TEST(FieldTextTest, AMarkerByteInAValueDoesNotStartAField) {
  CFields fields;
  fields[3] = "caf\xFF!";
  CFields read;
  UnpackFieldText(PackFieldText(fields), read);
  EXPECT_EQ(read[3], "caf\xC3\xBF!");
}
