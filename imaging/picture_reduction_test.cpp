#include "imaging/picture_reduction.h"

#include <gtest/gtest.h>

#include "imaging/gamma_correction.h"
#include "imaging/picture_testing.h"

namespace {

// A picture whose pixel x of every row has the value x in each of its bytes.
CPicture Ramp(int width, int height, int bit_count) {
  CPicture picture;
  int b = bit_count / 8;
  picture.pixels.assign(static_cast<size_t>(width + 3) * height * b, 0xEE);
  picture.header = MakePictureHeader(b == 3 ? kTiffHeaderBlockSize : kPaletteHeaderBlockSize, width,
                                     height, bit_count, picture.pixels.size());
  if (b == 1) SetGreyPalette(picture.header);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width * b; ++x) picture.Row(y)[x] = static_cast<uint8_t>(x / b);
  }
  return picture;
}

std::vector<int> FirstRow(const CPicture& picture) {
  std::vector<int> values;
  for (int x = 0; x < picture.Width(); ++x) values.push_back(PixelAt(picture, x, 0)[0]);
  return values;
}

TEST(ReducePictureTest, PointSamplesFromTheStartOfAPixel) {
  // Step 10 / 3: source bytes 0, 10 and 20, raised to 0, 12 and 21: pixels 0, 4 and 7.
  CPicture picture = Ramp(10, 4, 24);
  ReducePicture(picture, 3, 3, false);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Height(), 1);
  EXPECT_EQ(FirstRow(picture), (std::vector<int>{0, 4, 7}));
  EXPECT_EQ(picture.pixels.size(), size_t{(3 + 3) * 1 * 3});
  EXPECT_EQ(picture.SizeImage(), picture.pixels.size());
  EXPECT_EQ(picture.header.size(), kTiffHeaderBlockSize);

  CPicture grey = Ramp(10, 4, 8);
  ReducePicture(grey, 3, 3, false);
  EXPECT_EQ(FirstRow(grey), (std::vector<int>{0, 3, 6}));
  EXPECT_EQ(grey.pixels.size(), size_t{(3 + 3) * 1});
}

TEST(ReducePictureTest, PictureWithinAFactorOfTwoIsKept) {
  // 25 x 100 for a 60 box: new size 15 x 60, and 25 / 2 = 12 is not above 15.
  CPicture picture = Ramp(25, 100, 24);
  std::vector<uint8_t> before = picture.pixels;
  ReducePicture(picture, 60, 60, false);
  EXPECT_EQ(picture.Width(), 25);
  EXPECT_EQ(picture.pixels, before);
  // Forced, it is reduced all the same.
  ReducePicture(picture, 60, 60, true);
  EXPECT_EQ(picture.Width(), 15);
  EXPECT_EQ(picture.Height(), 60);
}

TEST(ReducePictureTest, ForcedEnlargementStaysInsideEachRow) {
  CPicture picture = Ramp(2, 1, 24);
  ReducePicture(picture, 4, 4, true);
  EXPECT_EQ(picture.Width(), 4);
  EXPECT_EQ(picture.Height(), 2);
  EXPECT_EQ(FirstRow(picture), (std::vector<int>{0, 1, 1, 1}));
}

TEST(ReducePictureTest, NarrowPictureKeepsOnePixel) {
  CPicture picture = Ramp(4, 2000, 8);
  ReducePicture(picture, 60, 60, false);
  EXPECT_EQ(picture.Width(), 1);
  EXPECT_EQ(picture.Height(), 60);
}

TEST(ScaledCopyTest, ExactSizeEachAxisByItsOwnStep) {
  // 10 x 4 to 5 x 3: columns step 2 (pixels 0, 2, 4, 6, 8), rows step 4 / 3 (rows 0, 1, 2).
  CPicture ramp = Ramp(10, 4, 24);
  for (int y = 0; y < 4; ++y) ramp.Row(y)[0] = static_cast<uint8_t>(100 + y);
  const CPicture copy = ScaledCopy(ramp, {5, 3});
  EXPECT_EQ(copy.Width(), 5);
  EXPECT_EQ(copy.Height(), 3);
  EXPECT_EQ(FirstRow(copy), (std::vector<int>{100, 2, 4, 6, 8}));
  EXPECT_EQ(PixelAt(copy, 0, 1)[0], 101);
  EXPECT_EQ(PixelAt(copy, 0, 2)[0], 102);
  EXPECT_EQ(copy.SizeImage(), copy.pixels.size());
  EXPECT_EQ(ramp.Width(), 10);  // the source stays

  // A grey picture keeps its palette.
  const CPicture grey = ScaledCopy(Ramp(10, 4, 8), {3, 7});
  EXPECT_EQ(grey.Height(), 7);
  EXPECT_EQ(grey.BitCount(), 8);
  EXPECT_EQ(grey.header.size(), kPaletteHeaderBlockSize);

  EXPECT_TRUE(ScaledCopy(CPicture(), {5, 3}).pixels.empty());
  EXPECT_TRUE(ScaledCopy(ramp, {0, 3}).pixels.empty());
}

TEST(ReducePictureTest, PictureThatIsNotWellFormedIsLeftAlone) {
  CPicture picture = Ramp(100, 100, 24);
  picture.pixels.resize(100);  // rows beyond the block
  ReducePicture(picture, 10, 10, true);
  EXPECT_EQ(picture.Width(), 100);
  CPicture empty;
  ReducePicture(empty, 10, 10, true);
  ApplyGamma(empty, 2.0);
  EXPECT_TRUE(empty.pixels.empty());
}

TEST(GammaTest, Table) {
  std::array<uint8_t, 256> table = GammaTable(2.0);
  EXPECT_EQ(table[64], 127);
  EXPECT_EQ(table[0], 0);
  EXPECT_EQ(table[255], 255);
  std::array<uint8_t, 256> identity = GammaTable(1.0);
  for (int v = 0; v < 256; ++v) EXPECT_EQ(identity[v], v);
}

TEST(GammaTest, SamplesOfColourPicturesPaletteOfGreyOnes) {
  CPicture colour = Ramp(65, 2, 24);  // rows of 195 bytes padded to 196
  ApplyGamma(colour, 2.0);
  EXPECT_EQ(PixelAt(colour, 64, 1), (std::vector<uint8_t>{127, 127, 127}));
  EXPECT_EQ(colour.Row(0)[195], 0xEE);  // padding untouched

  CPicture grey = Ramp(65, 2, 8);
  std::vector<uint8_t> indices = grey.pixels;
  ApplyGamma(grey, 2.0);
  EXPECT_EQ(grey.pixels, indices);
  EXPECT_EQ(grey.header[kPaletteOffset + 4 * 64], 127);
  EXPECT_EQ(grey.header[kPaletteOffset + 4 * 64 + 2], 127);

  CPicture unchanged = Ramp(65, 2, 24);
  ApplyGamma(unchanged, 1.0);
  EXPECT_EQ(unchanged.pixels, Ramp(65, 2, 24).pixels);
}

}  // namespace
