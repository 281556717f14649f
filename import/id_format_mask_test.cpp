#include "import/id_format_mask.h"

#include <gtest/gtest.h>

#include "base/string_table.h"
#include "store/id_format.h"

TEST(IdFormatMaskTest, TheLastDigitRunIsTheCounter) {
  struct Case {
    const char* mask;
    const char* format;
    int start;
  };
  for (const Case& c : {Case{"IMG0001", "IMG%4.4i", 1}, Case{"A100B", "A%3.3iB", 100},
                        Case{"1234567", "12%5.5i", 34567}, Case{"2001", "2%3.3i", 1},
                        Case{"P001", "P%3.3i", 1}, Case{"X1Y22Z", "X1Y%2.2iZ", 22}}) {
    const std::optional<CIdFormat> parsed = ParseIdFormatMask(c.mask);
    ASSERT_TRUE(parsed) << c.mask;
    EXPECT_EQ(parsed->format, c.format) << c.mask;
    EXPECT_EQ(parsed->start, c.start) << c.mask;
  }
  EXPECT_FALSE(ParseIdFormatMask("1ABC"));
}

TEST(IdFormatMaskTest, ImportChecksRefuseInOrder) {
  EXPECT_EQ(CheckImportFormatMask("   ").message, kMsgNoFormatMask);
  EXPECT_EQ(CheckImportFormatMask("IMG 1").message, LoadString(IDS_ID_ILLEGAL_CHARACTER));
  EXPECT_EQ(CheckImportFormatMask("IMG%1").message, LoadString(IDS_ID_ILLEGAL_CHARACTER));
  EXPECT_EQ(CheckImportFormatMask("1ABC").message, kMsgMaskWithoutNumbers);
  const CMaskCheck ok = CheckImportFormatMask("  IMG0001 ");
  ASSERT_TRUE(ok.format);
  EXPECT_EQ(FormatId(ok.format->format, 3), "IMG0003");
}

TEST(IdFormatTest, OnlyTheIntegerConversionTakesTheNumber) {
  EXPECT_EQ(FormatId("%6.6d", 7), "000007");
  EXPECT_EQ(FormatId("IMG%4.4i", 12345), "IMG12345");
  EXPECT_EQ(FormatId("%s%n%d%d", 5), "%s%n5%d");
  EXPECT_EQ(FormatId("100%%-%i", 2), "100%-2");
  EXPECT_EQ(FormatId("A%999999d", 1), "A%999999d");
}
