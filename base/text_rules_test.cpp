#include "base/text_rules.h"

#include <gtest/gtest.h>

TEST(TextRulesTest, CasingKeepsTheByteLength) {
  EXPECT_EQ(UpperCase("rome, Italy"), "ROME, ITALY");
  EXPECT_EQ(UpperCase("blåbær øl"), "BLÅBÆR ØL");
  EXPECT_EQ(UpperCase("straße"), "STRAßE");  // no same-length upper case for ß
  EXPECT_EQ(UpperCase("łódź žluť"), "ŁÓDŹ ŽLUŤ");
  EXPECT_EQ(UpperCase("ÿ"), "Ÿ");
  EXPECT_EQ(UpperCase("\xE6\xF8"), "\xE6\xF8");  // Windows-1252 bytes stay
  EXPECT_EQ(LowerCase("C:/Photos/ÆØÅ/Ł.JPG"), "c:/photos/æøå/ł.jpg");
  EXPECT_EQ(LowerCase("İ"), "İ");
}

TEST(TextRulesTest, CutNeverSplitsACharacter) {
  EXPECT_EQ(CutText("ABCDEFGHIJKLMNOPQRSTUV", 19), "ABCDEFGHIJKLMNOPQRS");
  EXPECT_EQ(CutText("ABCDEFGHIJKLMNOPQRÆ", 19), "ABCDEFGHIJKLMNOPQR");  // Æ would be split
  EXPECT_EQ(CutText("ABCDEFGHIJKLMNOPQÆR", 19), "ABCDEFGHIJKLMNOPQÆ");
  EXPECT_EQ(CutText("ABCDEFGHIJKLMNOP€X", 18), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(CutText("ABCDEFGHIJKLMNOPQR\xE6XY", 19), "ABCDEFGHIJKLMNOPQR\xE6");  // not UTF-8
  EXPECT_EQ(CutText("short", 19), "short");
}

TEST(TextRulesTest, InvalidUtf8IsShownAsWindows1252) {
  EXPECT_TRUE(IsValidUtf8("Tromsø €"));
  EXPECT_FALSE(IsValidUtf8("Troms\xF8"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_EQ(DisplayText("Troms\xF8 \x80"), "Tromsø €");
  EXPECT_EQ(DisplayText("Tromsø"), "Tromsø");
}

TEST(TextRulesTest, LineBreaksBetweenTheStoreAndTheFields) {
  EXPECT_EQ(StoredLineBreaks("one\ntwo\r\nthree\n"), "one\r\ntwo\r\nthree\r\n");
  EXPECT_EQ(StoredLineBreaks("lone\rreturn"), "lone\rreturn");
  EXPECT_EQ(LineFeedsOnly("one\r\ntwo\nthree\r"), "one\ntwo\nthree\r");
  EXPECT_EQ(LineFeedsOnly(StoredLineBreaks("blåbær\n\nøl")), "blåbær\n\nøl");
}

TEST(TextRulesTest, CharactersAreCountedNotBytes) {
  EXPECT_EQ(CharacterCount("blåbærsyltetøy"), 14u);
  EXPECT_EQ(CharacterCount("Troms\xF8"), 6u);  // a Windows-1252 byte is one character
  EXPECT_EQ(CharacterCount(""), 0u);
}
