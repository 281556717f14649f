#include "imaging/picture_rows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PictureRowRgbTest, SwapsBlueAndRedAndLooksUpThePalette) {
  CPicture colour;
  colour.pixels = {1, 2, 3, 4, 5, 6, 0xEE, 0xEE, 7, 8, 9, 10, 11, 12, 0xEE, 0xEE};
  colour.header = MakePictureHeader(kJpegHeaderBlockSize, 2, 2, 24, colour.pixels.size());
  std::vector<uint8_t> rgb(6);
  PictureRowRgb(colour, 1, rgb.data());
  EXPECT_EQ(rgb, (std::vector<uint8_t>{9, 8, 7, 12, 11, 10}));

  CPicture grey;
  grey.pixels = {0, 200, 0, 0};
  grey.header = MakePictureHeader(kPaletteHeaderBlockSize, 2, 1, 8, grey.pixels.size());
  SetPaletteEntry(grey.header, 200, 30, 40, 50);
  PictureRowRgb(grey, 0, rgb.data());
  EXPECT_EQ(rgb, (std::vector<uint8_t>{0, 0, 0, 30, 40, 50}));
}

}  // namespace
