#include "imaging/picture_loader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/front_end_fake.h"
#include "imaging/picture_testing.h"

namespace {

using ::testing::ElementsAre;

TEST(DecoderForPathTest, ExtensionAmongTheLastSevenCharacters) {
  struct Case {
    const char* path;
    PictureDecoder decoder;
  } cases[] = {
      {"/p/photo.jpg", PictureDecoder::kJpeg},  {"/p/x.JpG", PictureDecoder::kJpeg},
      {"x.JPG", PictureDecoder::kJpeg},         {"/p/scan.TIF", PictureDecoder::kTiff},
      {"/p/photo.jpeg", PictureDecoder::kNone}, {"/p/x.tiff", PictureDecoder::kNone},
      {"/p/x.bmp", PictureDecoder::kNone},      {"/p.jpg/readme", PictureDecoder::kNone},
      {"/p/jpg", PictureDecoder::kNone},        {"", PictureDecoder::kNone},
      {"a.b.jpg", PictureDecoder::kJpeg},       {"/p/x.jpg.txt", PictureDecoder::kNone},
  };
  for (const Case& c : cases) EXPECT_EQ(DecoderForPath(c.path), c.decoder) << c.path;
}

class LoadPictureTest : public ::testing::Test {
 protected:
  LoadPictureTest() { context_.front_end = &front_end_; }

  int Load(const std::string& path, int box, bool gamma = false) {
    return LoadPicture(picture_, context_, path, "", box, box, gamma);
  }

  CTempDir folder_;
  CScriptedFrontEnd front_end_;
  CLoadContext context_;
  CPicture picture_;
};

TEST_F(LoadPictureTest, SizesAfterDecoderScalingAndReduction) {
  struct Case {
    int width, height, box, loaded_width, loaded_height;
  } cases[] = {
      {1600, 1200, 60, 60, 45},     // 1/8 to 200 x 150, reduced
      {100, 400, 60, 25, 100},      // 1/4 to 25 x 100, within a factor of two: kept
      {40, 30, 60, 40, 30},         // smaller than the box: never enlarged
      {1200, 1600, 100, 150, 200},  // 1/8; 150 / 2 = 75 is not above the new width 75
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height);
    std::string path =
        WriteBytes(folder_, "p.jpg", EncodeTestJpeg(GradientJpeg(c.width, c.height)));
    ASSERT_EQ(Load(path, c.box), 1);
    EXPECT_EQ(picture_.Width(), c.loaded_width);
    EXPECT_EQ(picture_.Height(), c.loaded_height);
    EXPECT_EQ(picture_.file_width, c.width);
    EXPECT_EQ(picture_.file_height, c.height);
    EXPECT_EQ(picture_.kind, kPictureJpeg);
    EXPECT_EQ(picture_.SizeImage(), picture_.pixels.size());
    EXPECT_EQ(front_end_.Status(0), "Ready");
  }
}

TEST_F(LoadPictureTest, LoadedSizeIsTheSizeTheLoadGives) {
  // Odd sides, where the decoder's rounding up matters, and boxes on both sides of the factor
  // of two that decides whether the reduction runs.
  struct Case {
    int width, height, box_width, box_height;
  } cases[] = {
      {1001, 667, 800, 700}, {667, 1001, 800, 700},    {1001, 667, 300, 300},
      {999, 999, 100, 100},  {640, 480, 800, 700},     {640, 480, 300, 300},
      {97, 301, 100, 100},   {4001, 2999, 3000, 3000}, {33, 17, 100, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.width << "x" << c.height << " in " << c.box_width << "x" << c.box_height);
    const std::string path =
        WriteBytes(folder_, "p.jpg", EncodeTestJpeg(GradientJpeg(c.width, c.height)));
    ASSERT_EQ(LoadPicture(picture_, context_, path, "", c.box_width, c.box_height, false), 1);
    const CPictureSize size =
        LoadedSize(PictureDecoder::kJpeg, c.width, c.height, c.box_width, c.box_height);
    EXPECT_EQ(size.width, picture_.Width());
    EXPECT_EQ(size.height, picture_.Height());
  }
  // A TIFF is decoded at its own size.
  const CPictureSize tiff = LoadedSize(PictureDecoder::kTiff, 400, 100, 300, 300);
  EXPECT_EQ(tiff.width, 400);
  EXPECT_EQ(tiff.height, 100);
}

TEST_F(LoadPictureTest, DecoderIsChosenByExtension) {
  std::vector<uint8_t> jpeg = EncodeTestJpeg(GradientJpeg(20, 10));
  EXPECT_EQ(Load(WriteBytes(folder_, "photo.jpeg", jpeg), 60), 0);
  EXPECT_EQ(picture_.kind, kPictureNone);
  EXPECT_EQ(Load(WriteBytes(folder_, "x.tiff", jpeg), 60), 0);
  EXPECT_EQ(Load(WriteBytes(folder_, "x.JpG", jpeg), 60), 1);
  EXPECT_EQ(picture_.kind, kPictureJpeg);

  CTestTiff tiff{.width = 2, .height = 2, .photometric = 1, .samples = {1, 2, 3, 4}};
  EXPECT_EQ(Load(WriteBytes(folder_, "scan.tif", BuildTestTiff(tiff)), 60), 1);
  EXPECT_EQ(picture_.kind, kPictureTiff);
  EXPECT_EQ(picture_.BitCount(), 8);
  EXPECT_TRUE(front_end_.Messages().empty());
}

TEST_F(LoadPictureTest, FailureLeavesTheSlotEmptyWithoutReadyText) {
  ASSERT_EQ(Load(WriteBytes(folder_, "a.jpg", EncodeTestJpeg(GradientJpeg(20, 10))), 60), 1);
  front_end_.ClearRecord();
  EXPECT_EQ(Load("", 60), 0);
  EXPECT_EQ(Load((folder_ / "missing.jpg"), 60), 0);
  EXPECT_EQ(Load(WriteBytes(folder_, "bad.tif", {'I', 'I'}), 60), 0);
  EXPECT_TRUE(picture_.header.empty());
  EXPECT_TRUE(picture_.pixels.empty());
  EXPECT_EQ(picture_.kind, kPictureNone);
  EXPECT_TRUE(front_end_.Calls().empty());
}

TEST_F(LoadPictureTest, UndecodableJpegShowsTheMessageAndTheProgramGoesOn) {
  EXPECT_EQ(Load(WriteBytes(folder_, "text.jpg", {'h', 'e', 'l', 'l', 'o'}), 60), 0);
  EXPECT_THAT(front_end_.Messages(), ElementsAre("Not a JPEG file: starts with 0x68 0x65"));
  EXPECT_TRUE(picture_.pixels.empty());
  // The next picture loads as usual.
  EXPECT_EQ(Load(WriteBytes(folder_, "good.jpg", EncodeTestJpeg(GradientJpeg(20, 10))), 60), 1);
}

TEST_F(LoadPictureTest, FileIsOpenedWhereTheFinderFindsIt) {
  std::string found = WriteBytes(folder_, "found.jpg", EncodeTestJpeg(GradientJpeg(20, 10)));
  std::vector<std::string> asked;
  context_.find_file = [&](const std::string& path, const std::string& label) {
    asked.push_back(path + "|" + label);
    return label == "PHOTOS1" ? std::optional(found) : std::nullopt;
  };
  EXPECT_EQ(LoadPicture(picture_, context_, "c:/old/found.jpg", "PHOTOS1", 60, 60, false), 1);
  EXPECT_EQ(LoadPicture(picture_, context_, "c:/old/found.jpg", "OTHER", 60, 60, false), 0);
  EXPECT_TRUE(picture_.pixels.empty());
  EXPECT_THAT(asked, ElementsAre("c:/old/found.jpg|PHOTOS1", "c:/old/found.jpg|OTHER"));
}

TEST_F(LoadPictureTest, GammaOnlyWhenAsked) {
  CTestJpeg grey{.width = 8,
                 .height = 8,
                 .color_space = JCS_RGB,
                 .samples = std::vector<uint8_t>(8 * 8 * 3, 64)};
  std::string path = WriteBytes(folder_, "g.jpg", EncodeTestJpeg(grey));
  context_.gamma = 200;
  ASSERT_EQ(Load(path, 60, false), 1);
  int plain = PixelAt(picture_, 4, 4)[1];
  ASSERT_EQ(Load(path, 60, true), 1);
  int corrected = PixelAt(picture_, 4, 4)[1];
  EXPECT_NEAR(plain, 64, 2);
  EXPECT_NEAR(corrected, 127, 2);
}

}  // namespace
