#include "imaging/picture_file_facts.h"

#include <gtest/gtest.h>

#include "imaging/exif_block_testing.h"
#include "imaging/picture_testing.h"

namespace {

class PictureFileFactsTest : public testing::Test {
 protected:
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    return WriteBytes(folder_, name, bytes);
  }

  CTempDir folder_;
};

TEST_F(PictureFileFactsTest, AJpegGivesItsFrameSizeAndExifWithoutDecoding) {
  CTestJpeg jpeg = GradientJpeg(96, 64);
  jpeg.app1 = CameraExif(true).Payload();
  const std::vector<uint8_t> bytes = EncodeTestJpeg(jpeg);
  const CPictureFileFacts facts = ReadPictureFileFacts(Write("a.JPG", bytes));
  EXPECT_EQ(facts.kind, kPictureJpeg);
  EXPECT_EQ(facts.width, 96);
  EXPECT_EQ(facts.height, 64);
  EXPECT_EQ(facts.exif.file_size, static_cast<int64_t>(bytes.size()));
  EXPECT_GT(facts.exif.file_time, 0);
  EXPECT_TRUE(facts.exif.has_exif);
  EXPECT_EQ(facts.exif.camera_model, "PowerShot A70");
}

TEST_F(PictureFileFactsTest, ATiffGivesItsDecodedSize) {
  CTestTiff tiff;
  tiff.width = 5;
  tiff.height = 3;
  tiff.samples.assign(5 * 3 * 3, 0x80);
  const CPictureFileFacts facts = ReadPictureFileFacts(Write("b.tif", BuildTestTiff(tiff)));
  EXPECT_EQ(facts.kind, kPictureTiff);
  EXPECT_EQ(facts.width, 5);
  EXPECT_EQ(facts.height, 3);
  EXPECT_FALSE(facts.exif.has_exif);
  EXPECT_GT(facts.exif.file_size, 0);
}

TEST_F(PictureFileFactsTest, FilesThatAreNoPictureOfEitherKind) {
  CTestTiff lzw;
  lzw.width = lzw.height = 1;
  lzw.samples = {1, 2, 3};
  lzw.compression = 5;
  const std::string text = "not a picture";
  const std::string cases[] = {
      Write("text.jpg", std::vector<uint8_t>(text.begin(), text.end())),
      Write("soi_only.jpg", {0xFF, 0xD8}),
      Write("lzw.tif", BuildTestTiff(lzw)),
      Write("picture.png", EncodeTestJpeg(GradientJpeg(8, 8))),  // a JPEG by any other name
      folder_ / "missing.jpg",
  };
  for (const std::string& path : cases) {
    const CPictureFileFacts facts = ReadPictureFileFacts(path);
    EXPECT_EQ(facts.kind, kPictureNone) << path;
    EXPECT_EQ(facts.exif.file_size, 0) << path;
  }
}

}  // namespace
