#include "import/import_decoder.h"

#include <gtest/gtest.h>

#include "imaging/picture_testing.h"
#include "platform/utility.h"

namespace {

std::string DateOf(int year, int month, int day) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_isdst = -1;
  return CUtility::DateText(std::mktime(&local), false);
}

TEST(ImportDecoderTest, TheExifDateBecomesTheDateAtMidnight) {
  EXPECT_EQ(WhenFromExifDate("2004:03:07 12:34:56"), DateOf(2004, 3, 7));
  EXPECT_EQ(WhenFromExifDate("1999:12:31 2"), DateOf(1999, 12, 31));
  // Ten characters or fewer, or a camera whose clock was never set: no date.
  for (const char* none : {"2004:03:07", "", "0000:00:00 00:00:00",
                           "    :  :     :  :  ", "2004:13:01 00:00:00", "2004-03-07 00:00:00"}) {
    EXPECT_FALSE(WhenFromExifDate(none)) << none;
  }
}

TEST(ImportDecoderTest, TheWorkerGivesTheSameResultsInTheSameOrder) {
  CTempDir dir;
  std::vector<std::string> paths;
  for (int i = 0; i < 12; ++i) {
    CTestJpeg jpeg = GradientJpeg(200 + 10 * i, 150, JCS_RGB);
    if (i % 3 == 0) jpeg.app1 = ExifWithDate("2001:0" + std::to_string(1 + i / 3) + ":15 10:00:00");
    paths.push_back(WriteBytes(dir, "p" + std::to_string(i) + ".jpg", EncodeTestJpeg(jpeg)));
  }
  paths.push_back(dir.Write("broken.jpg", "not a picture"));
  std::vector<uint8_t> tiff_samples(30 * 20 * 3, 128);
  paths.push_back(
      WriteBytes(dir, "t.tif", BuildTestTiff({false, 30, 20, 2, 1, tiff_samples, 1, false, {}})));

  CImportDecoder alone(paths, 60, false);
  CImportDecoder ahead(paths, 60, true);
  for (size_t i = 0; i < paths.size(); ++i) {
    if (i == 4) {  // a picture imported before is not needed
      alone.Skip(i);
      ahead.Skip(i);
      continue;
    }
    const CDecodedPicture a = alone.Take(i);
    const CDecodedPicture b = ahead.Take(i);
    EXPECT_EQ(a.loaded, b.loaded) << paths[i];
    EXPECT_EQ(a.picture.header, b.picture.header) << paths[i];
    EXPECT_EQ(a.picture.pixels, b.picture.pixels) << paths[i];
    EXPECT_EQ(a.when, b.when) << paths[i];
    EXPECT_EQ(a.messages.size(), b.messages.size()) << paths[i];
  }
  const CDecodedPicture first = CImportDecoder({paths[0]}, 60, true).Take(0);
  EXPECT_EQ(first.loaded, 1);
  EXPECT_EQ(first.when, DateOf(2001, 1, 15));
  const CDecodedPicture broken = DecodeForImport(paths[12], 60);
  EXPECT_EQ(broken.loaded, 0);
  EXPECT_FALSE(broken.messages.empty());  // the library's message, for the import to show
  const CDecodedPicture tiff = DecodeForImport(paths[13], 60);
  EXPECT_EQ(tiff.loaded, 1);
  EXPECT_EQ(tiff.picture.kind, kPictureTiff);
  EXPECT_EQ(tiff.when, "");
}

}  // namespace
