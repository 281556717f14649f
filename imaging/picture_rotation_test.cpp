#include "imaging/picture_rotation.h"

#include <gtest/gtest.h>

#include "base/coding.h"
#include "imaging/picture_testing.h"

namespace {

// A picture whose every pixel tells where it is: bytes (x, y, 7) for 24 bits, 10 y + x for
// 8 bits; the row padding is 0xEE.
CPicture Numbered(int width, int height, int bit_count) {
  const int b = bit_count / 8;
  CPicture picture;
  picture.pixels.assign(PictureStride(width, b) * height, 0xEE);
  picture.header = MakePictureHeader(b == 3 ? kJpegHeaderBlockSize : kPaletteHeaderBlockSize, width,
                                     height, bit_count, picture.pixels.size());
  if (b == 1) SetGreyPalette(picture.header);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* pixel = picture.Row(y) + x * b;
      if (b == 3) {
        pixel[0] = static_cast<uint8_t>(x);
        pixel[1] = static_cast<uint8_t>(y);
        pixel[2] = 7;
      } else {
        pixel[0] = static_cast<uint8_t>(10 * y + x);
      }
    }
  }
  return picture;
}

TEST(RotatePictureTest, TurnsClockwiseWithPaddedRows) {
  struct Case {
    int width, height, bit_count;
    size_t new_stride;
  };
  // 5 x 3 at 24 bits: new rows of 3 x 3 = 9 bytes, padded to 12; at 8 bits 3 bytes, padded
  // to 4. 4 x 2: rows of 6 padded to 8, and 2 padded to 4.
  for (const Case& c :
       {Case{5, 3, 24, 12}, Case{5, 3, 8, 4}, Case{4, 2, 24, 8}, Case{4, 2, 8, 4}}) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.bit_count);
    CPicture original = Numbered(c.width, c.height, c.bit_count);
    CPicture picture = original;
    picture.kind = kPictureJpeg;
    RotatePicture(picture);
    ASSERT_EQ(picture.Width(), c.height);
    ASSERT_EQ(picture.Height(), c.width);
    EXPECT_EQ(picture.Stride(), c.new_stride);
    EXPECT_EQ(picture.pixels.size(), c.new_stride * c.width);
    EXPECT_EQ(picture.SizeImage(), picture.pixels.size());
    EXPECT_EQ(picture.header.size(), original.header.size());
    EXPECT_EQ(picture.kind, kPictureJpeg);
    // The header stores the height negated: the picture stays top-down.
    EXPECT_EQ(static_cast<int32_t>(*GetUint32LE(picture.header, kHeaderHeightOffset)), -c.width);
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        EXPECT_EQ(PixelAt(picture, c.height - 1 - y, x), PixelAt(original, x, y))
            << "source pixel " << x << "," << y;
      }
    }
    if (c.bit_count == 8) {
      // The palette goes with the picture.
      EXPECT_TRUE(std::equal(original.header.begin() + kPaletteOffset, original.header.end(),
                             picture.header.begin() + kPaletteOffset));
    }
  }
}

TEST(RotatePictureTest, TheTopRowBecomesTheRightHandColumn) {
  CPicture picture = Numbered(3, 2, 8);
  RotatePicture(picture);
  // Rows of the turned 2 x 3 picture: the old left column read upwards.
  EXPECT_EQ(picture.pixels, (std::vector<uint8_t>{10, 0, 0, 0, 11, 1, 0, 0, 12, 2, 0, 0}));
}

TEST(RotatePictureTest, WithoutAWellFormedPictureNothingHappens) {
  CPicture empty;
  RotatePicture(empty);
  EXPECT_TRUE(empty.header.empty());
  EXPECT_TRUE(empty.pixels.empty());

  // Rows that would run past the pixel block (a damaged thumbnail, say).
  CPicture short_block = Numbered(5, 3, 24);
  short_block.pixels.resize(20);
  const CPicture before = short_block;
  RotatePicture(short_block);
  EXPECT_EQ(short_block.header, before.header);
  EXPECT_EQ(short_block.pixels, before.pixels);
}

}  // namespace
