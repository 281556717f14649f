#include "imaging/jpeg_decoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/front_end_fake.h"
#include "imaging/jpeg_writer.h"
#include "imaging/picture_testing.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// True when each sample is within `tolerance` of the expected one (JPEG is lossy).
bool Near(const std::vector<uint8_t>& actual, const std::vector<uint8_t>& expected,
          int tolerance = 6) {
  if (actual.size() != expected.size()) return false;
  for (size_t i = 0; i < actual.size(); ++i) {
    if (std::abs(actual[i] - expected[i]) > tolerance) return false;
  }
  return true;
}

CTestJpeg Solid(int width, int height, J_COLOR_SPACE space, std::vector<uint8_t> sample) {
  CTestJpeg jpeg{.width = width, .height = height, .color_space = space};
  for (int i = 0; i < width * height; ++i) {
    jpeg.samples.insert(jpeg.samples.end(), sample.begin(), sample.end());
  }
  return jpeg;
}

class JpegDecoderTest : public ::testing::Test {
 protected:
  int Decode(const std::vector<uint8_t>& bytes, int target_width = 3000, int target_height = 3000) {
    picture_.Release();
    return DecodeJpeg(picture_, WriteBytes(folder_, "p.jpg", bytes), target_width, target_height,
                      &front_end_);
  }

  CTempDir folder_;
  CScriptedFrontEnd front_end_;
  CPicture picture_;
};

TEST(JpegScaleTest, DenominatorFollowsTheTighterSide) {
  struct Case {
    int width, height, box_width, box_height, denominator;
  } cases[] = {
      {1600, 1200, 60, 60, 8},                           // 1 / ratio 26.7
      {100, 400, 60, 60, 4},                             // 6.7
      {200, 100, 60, 60, 2},                             // 3.3
      {119, 60, 60, 60, 1},                              // 1.98
      {40, 30, 60, 60, 1},                               // smaller than the box: never enlarged
      {6000, 4000, 1600, 1000, 4}, {640, 480, 0, 0, 8},  // an empty box
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JpegScaleDenominator(c.width, c.height, c.box_width, c.box_height), c.denominator)
        << c.width << "x" << c.height;
  }
}

TEST_F(JpegDecoderTest, ColourFileBecomesBlueGreenRedWithRowsOnFourBytes) {
  ASSERT_EQ(Decode(EncodeTestJpeg(Solid(61, 10, JCS_RGB, {250, 20, 120}))), 1);
  EXPECT_EQ(picture_.header.size(), kJpegHeaderBlockSize);
  EXPECT_EQ(picture_.BitCount(), 24);
  EXPECT_EQ(picture_.Width(), 61);
  EXPECT_EQ(picture_.Height(), 10);
  EXPECT_EQ(picture_.header[8], 0xF6);  // -10
  EXPECT_EQ(picture_.header[11], 0xFF);
  EXPECT_EQ(picture_.Stride(), 184u);
  EXPECT_EQ(picture_.pixels.size(), size_t{(61 + 4) * 10 * 3});
  EXPECT_EQ(picture_.SizeImage(), picture_.pixels.size());
  EXPECT_EQ(picture_.file_width, 61);
  EXPECT_EQ(picture_.file_height, 10);
  EXPECT_TRUE(Near(PixelAt(picture_, 60, 9), {120, 20, 250}));
  EXPECT_TRUE(Near(PixelAt(picture_, 0, 0), {120, 20, 250}));
  EXPECT_TRUE(front_end_.Messages().empty());
}

TEST_F(JpegDecoderTest, DecoderScalesTowardsTheBox) {
  ASSERT_EQ(Decode(EncodeTestJpeg(GradientJpeg(1600, 1200)), 60, 60), 1);
  EXPECT_EQ(picture_.Width(), 200);
  EXPECT_EQ(picture_.Height(), 150);
  EXPECT_EQ(picture_.file_width, 1600);
  EXPECT_EQ(picture_.file_height, 1200);
}

TEST_F(JpegDecoderTest, GreyFileIsEightBitAndSavesAsGrey) {
  CTestJpeg grey = Solid(30, 20, JCS_GRAYSCALE, {90});
  ASSERT_EQ(Decode(EncodeTestJpeg(grey)), 1);
  EXPECT_EQ(picture_.header.size(), kPaletteHeaderBlockSize);
  EXPECT_EQ(picture_.BitCount(), 8);
  EXPECT_EQ(picture_.pixels.size(), size_t{(30 + 4) * 20});
  EXPECT_TRUE(Near(PixelAt(picture_, 5, 5), {90}, 2));
  const uint8_t* entry = &picture_.header[kPaletteOffset + 4 * 200];
  EXPECT_THAT(std::vector<uint8_t>(entry, entry + 4), ElementsAre(200, 200, 200, 0));

  std::string saved = (folder_ / "saved.jpg");
  ASSERT_TRUE(SaveJpeg(picture_, saved, 90, &front_end_));
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&cinfo);
  std::FILE* file = std::fopen(saved.c_str(), "rb");
  jpeg_stdio_src(&cinfo, file);
  jpeg_read_header(&cinfo, TRUE);
  EXPECT_EQ(cinfo.jpeg_color_space, JCS_GRAYSCALE);
  EXPECT_EQ(cinfo.num_components, 1);
  EXPECT_EQ(cinfo.image_width, 30u);
  EXPECT_EQ(cinfo.image_height, 20u);
  jpeg_destroy_decompress(&cinfo);
  std::fclose(file);
}

TEST_F(JpegDecoderTest, SavedColourPictureIsBaselineAndKeepsItsColours) {
  ASSERT_EQ(Decode(EncodeTestJpeg(Solid(17, 9, JCS_RGB, {200, 40, 10}))), 1);
  std::string saved = (folder_ / "saved.jpg");
  ASSERT_TRUE(SaveJpeg(picture_, saved, 95, &front_end_));
  std::vector<uint8_t> bytes = ReadBytes(saved);
  // A baseline frame header (SOF0) and no progressive one (SOF2).
  std::string text(bytes.begin(), bytes.end());
  EXPECT_NE(text.find("\xFF\xC0"), std::string::npos);
  EXPECT_EQ(text.find("\xFF\xC2"), std::string::npos);
  ASSERT_EQ(Decode(bytes), 1);
  EXPECT_EQ(picture_.Width(), 17);
  EXPECT_TRUE(Near(PixelAt(picture_, 16, 8), {10, 40, 200}, 8));
}

TEST_F(JpegDecoderTest, SaveToAFolderThatDoesNotExistWritesNothing) {
  ASSERT_EQ(Decode(EncodeTestJpeg(Solid(8, 8, JCS_RGB, {1, 2, 3}))), 1);
  EXPECT_FALSE(SaveJpeg(picture_, (folder_ / "no/such/folder.jpg"), 90, &front_end_));
  EXPECT_TRUE(front_end_.Messages().empty());
}

TEST_F(JpegDecoderTest, CmykAndYcckFilesBecomeColourPictures) {
  // The library writes CMYK with Adobe's marker, which means inverted values: full red is
  // no cyan (255), full magenta and yellow (0), no black (255).
  for (J_COLOR_SPACE stored : {JCS_CMYK, JCS_YCCK}) {
    SCOPED_TRACE(stored);
    CTestJpeg jpeg = Solid(16, 16, JCS_CMYK, {255, 0, 0, 255});
    jpeg.stored = stored;
    ASSERT_EQ(Decode(EncodeTestJpeg(jpeg)), 1);
    EXPECT_EQ(picture_.BitCount(), 24);
    EXPECT_EQ(picture_.header.size(), kJpegHeaderBlockSize);
    EXPECT_EQ(picture_.pixels.size(), size_t{(16 + 4) * 16 * 3});
    EXPECT_TRUE(Near(PixelAt(picture_, 3, 3), {0, 0, 255}));
  }
}

TEST_F(JpegDecoderTest, LargeProgressiveFileDecodes) {
  // Its coefficient buffers (about 9 MB) need more than a small memory limit allows.
  CTestJpeg jpeg = GradientJpeg(2000, 1500);
  jpeg.progressive = true;
  ASSERT_EQ(Decode(EncodeTestJpeg(jpeg), 60, 60), 1);
  EXPECT_EQ(picture_.Width(), 250);
  EXPECT_TRUE(front_end_.Messages().empty()) << front_end_.Messages()[0];
}

TEST_F(JpegDecoderTest, ProgressGoesToTheFirstPaneOncePerHundredRows) {
  ASSERT_EQ(Decode(EncodeTestJpeg(Solid(8, 250, JCS_RGB, {0, 0, 0}))), 1);
  std::vector<std::string> status;
  for (const std::string& call : front_end_.Calls()) {
    if (call.starts_with("status")) status.push_back(call);
  }
  EXPECT_THAT(status, ElementsAre("status 0: Loading picture...  ( 0 %)",
                                  "status 0: Loading picture...  (40 %)",
                                  "status 0: Loading picture...  (80 %)"));
}

TEST_F(JpegDecoderTest, FatalErrorsShowTheirMessageAndDecodeNothing) {
  std::vector<uint8_t> jpeg = EncodeTestJpeg(GradientJpeg(64, 64));
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    std::vector<std::string> messages;
  } cases[] = {
      {"not a JPEG",
       {'G', 'I', 'F', '8', '9', 'a', 0, 0},
       {"Not a JPEG file: starts with 0x47 0x49"}},
      {"empty", {}, {"Empty input file"}},
      {"cut in the header",
       std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + 100),
       {"Premature end of JPEG file", "JPEG datastream contains no image"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    front_end_.ClearRecord();
    EXPECT_EQ(Decode(c.bytes), 0);
    EXPECT_EQ(front_end_.Messages(), c.messages);
    EXPECT_TRUE(picture_.header.empty());
    EXPECT_TRUE(picture_.pixels.empty());
  }
  EXPECT_EQ(DecodeJpeg(picture_, (folder_ / "missing.jpg"), 60, 60, &front_end_), 0);
}

TEST_F(JpegDecoderTest, DamagedDataShowsItsFirstWarningAndKeepsDecoding) {
  std::vector<uint8_t> jpeg = EncodeTestJpeg(GradientJpeg(64, 64));
  std::vector<uint8_t> cut(jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() / 2));
  ASSERT_EQ(Decode(cut), 1);
  EXPECT_THAT(front_end_.Messages(), ElementsAre("Premature end of JPEG file"));
  EXPECT_EQ(picture_.Width(), 64);

  // Garbage before two markers gives two warnings, of which only the first is shown.
  std::vector<uint8_t> noisy = jpeg;
  noisy.insert(noisy.end() - 2, {0x12, 0x34});
  size_t sos = std::string(noisy.begin(), noisy.end()).find("\xFF\xDA");
  noisy.insert(noisy.begin() + static_cast<long>(sos), {0x56, 0x78});
  front_end_.ClearRecord();
  ASSERT_EQ(Decode(noisy), 1);
  ASSERT_EQ(front_end_.Messages().size(), 1u);
  EXPECT_THAT(front_end_.Messages()[0], HasSubstr("extraneous bytes before marker"));
}

}  // namespace
