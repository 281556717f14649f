#include "imaging/tiff_reader.h"

#include <gtest/gtest.h>

#include "imaging/picture_testing.h"
#include "imaging/tiff_picture.h"

namespace {

// Samples of a width × height picture with `components` per pixel, all different.
std::vector<uint8_t> Samples(uint32_t width, uint32_t height, int components) {
  std::vector<uint8_t> samples(size_t{width} * height * components);
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<uint8_t>(i * 7 + 1);
  return samples;
}

class TiffReaderTest : public ::testing::Test {
 protected:
  // Writes the bytes as a file and reads it.
  bool Read(const std::vector<uint8_t>& bytes) {
    return tiff_.ReadTiff(WriteBytes(folder_, "t.tif", bytes));
  }

  CTempDir folder_;
  CTiff tiff_;
};

TEST_F(TiffReaderTest, MotorolaAndIntelFilesGiveTheSamePixels) {
  CTestTiff test_tiff{
      .width = 5, .height = 3, .photometric = kTiffRgb, .samples = Samples(5, 3, 3)};
  ASSERT_TRUE(Read(BuildTestTiff(test_tiff)));
  std::vector<uint8_t> intel = tiff_.PixelData();
  test_tiff.big_endian = true;
  ASSERT_TRUE(Read(BuildTestTiff(test_tiff)));
  EXPECT_EQ(tiff_.PixelData(), intel);
  EXPECT_EQ(tiff_.Width(), 5u);
  EXPECT_EQ(tiff_.Height(), 3u);
  EXPECT_EQ(tiff_.Photometric(), kTiffRgb);
  EXPECT_EQ(intel, test_tiff.samples);
  EXPECT_EQ(tiff_.ErrorText(), "");
}

TEST_F(TiffReaderTest, StripTablesOfShortsAndLongs) {
  for (bool big_endian : {false, true}) {
    for (bool shorts : {false, true}) {
      SCOPED_TRACE(::testing::Message() << "big endian " << big_endian << " shorts " << shorts);
      CTestTiff test_tiff{.big_endian = big_endian,
                          .width = 4,
                          .height = 6,
                          .photometric = kTiffRgb,
                          .samples = Samples(4, 6, 3),
                          .strips = 3,
                          .short_strip_tables = shorts};
      ASSERT_TRUE(Read(BuildTestTiff(test_tiff)));
      EXPECT_EQ(tiff_.StripOffsets().size(), 3u);
      EXPECT_EQ(tiff_.StripByteCounts(), (std::vector<uint32_t>{24, 24, 24}));
      EXPECT_EQ(tiff_.PixelData(), test_tiff.samples);
    }
  }
}

TEST_F(TiffReaderTest, TwoShortStripOffsetsSitInTheValueField) {
  CTiffBuilder builder(true);
  uint32_t first = builder.AddBytes({1, 2, 3});
  uint32_t second = builder.AddBytes({4, 5, 6});
  builder.Entry(kTiffTagImageWidth, kTiffTypeShort, 1, 1);
  builder.Entry(kTiffTagImageLength, kTiffTypeShort, 1, 2);
  builder.Entry(kTiffTagPhotometric, kTiffTypeShort, 1, kTiffRgb);
  builder.ShortPairEntry(kTiffTagStripOffsets, static_cast<uint16_t>(first),
                         static_cast<uint16_t>(second));
  builder.ShortPairEntry(kTiffTagStripByteCounts, 3, 3);
  ASSERT_TRUE(Read(builder.Build()));
  EXPECT_EQ(tiff_.StripOffsets(), (std::vector<uint32_t>{first, second}));
  EXPECT_EQ(tiff_.PixelData(), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
}

TEST_F(TiffReaderTest, StripsBeyondThePictureAreCut) {
  CTiffBuilder builder(false);
  uint32_t data = builder.AddBytes(std::vector<uint8_t>(100, 9));
  builder.Entry(kTiffTagImageWidth, kTiffTypeShort, 1, 2);
  builder.Entry(kTiffTagImageLength, kTiffTypeShort, 1, 2);
  builder.Entry(kTiffTagPhotometric, kTiffTypeShort, 1, kTiffRgb);
  builder.Entry(kTiffTagStripOffsets, kTiffTypeLong, 1, data);
  builder.Entry(kTiffTagStripByteCounts, kTiffTypeLong, 1, 100);
  ASSERT_TRUE(Read(builder.Build()));
  EXPECT_EQ(tiff_.PixelData(), std::vector<uint8_t>(12, 9));
}

TEST_F(TiffReaderTest, MissingStripBytesAreZero) {
  CTiffBuilder builder(false);
  uint32_t data = builder.AddBytes({7, 7, 7, 7, 7, 7});
  builder.Entry(kTiffTagImageWidth, kTiffTypeShort, 1, 2);
  builder.Entry(kTiffTagImageLength, kTiffTypeShort, 1, 2);
  builder.Entry(kTiffTagPhotometric, kTiffTypeShort, 1, kTiffRgb);
  builder.Entry(kTiffTagStripOffsets, kTiffTypeLong, 1, data);
  builder.Entry(kTiffTagStripByteCounts, kTiffTypeLong, 1, 1000);  // runs past the file
  std::vector<uint8_t> bytes = builder.Build();
  ASSERT_TRUE(Read(bytes));
  std::vector<uint8_t> expected(12, 0);
  // The strip is read up to the end of the file: its 6 bytes, then the directory's.
  std::copy(bytes.begin() + data, bytes.begin() + data + 12, expected.begin());
  EXPECT_EQ(tiff_.PixelData(), expected);
}

TEST_F(TiffReaderTest, RefusedFiles) {
  auto picture = [](auto change) {
    CTestTiff test_tiff{
        .width = 3, .height = 2, .photometric = kTiffRgb, .samples = Samples(3, 2, 3)};
    change(test_tiff);
    return BuildTestTiff(test_tiff);
  };
  std::vector<uint8_t> huge = picture([](CTestTiff&) {});
  huge[huge.size() - 4 - 6 * 12 + 8] = 0xFF;  // width 255 in a file of a few dozen bytes
  std::vector<uint8_t> absurd_strips = picture([](CTestTiff& t) { t.strips = 2; });
  // The strip offsets' count (entry 5) claims 2^30 entries.
  absurd_strips[absurd_strips.size() - 4 - 2 * 12 + 4 + 3] = 0x40;
  std::vector<uint8_t> directory_past_end = {'I', 'I', '*', 0, 0xF0, 0, 0, 0};
  std::vector<uint8_t> entries_past_end = {'I', 'I', '*', 0, 0x08, 0, 0, 0};
  entries_past_end.insert(entries_past_end.end(), {0x20, 0x00, 1, 2, 3});

  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* error;
  } cases[] = {
      {"seven bytes", {'I', 'I', 42, 0, 8, 0, 0}, kTiffNotTiff},
      {"empty", {}, kTiffNotTiff},
      {"mixed byte order", {'I', 'M', '*', 0, 0x08, 0, 0, 0}, kTiffNotTiff},
      {"not 42", {'I', 'I', '+', 0, 0x08, 0, 0, 0}, kTiffNotTiff},
      {"directory past the end", directory_past_end, kTiffNotTiff},
      {"entries past the end", entries_past_end, kTiffNotTiff},
      {"LZW", picture([](CTestTiff& t) { t.compression = 5; }), ""},
      {"size beyond the file", huge, kTiffNotTiff},
      {"absurd strip count", absurd_strips, kTiffNotTiff},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(Read(c.bytes));
    EXPECT_EQ(tiff_.ErrorText(), c.error);
    EXPECT_TRUE(tiff_.PixelData().empty());
  }
  EXPECT_FALSE(tiff_.ReadTiff((folder_ / "missing.tif")));
  EXPECT_EQ(tiff_.ErrorText(), kTiffFileNotFound);
}

// --- ConvertTiff ---

class ConvertTiffTest : public TiffReaderTest {
 protected:
  int Convert(const CTestTiff& test_tiff) {
    picture_.Release();
    return ConvertTiff(picture_, WriteBytes(folder_, "c.tif", BuildTestTiff(test_tiff)));
  }
  CPicture picture_;
};

TEST_F(ConvertTiffTest, RgbBecomesBlueGreenRedWithPaddedRows) {
  CTestTiff test_tiff{.big_endian = true,
                      .width = 5,
                      .height = 3,
                      .photometric = kTiffRgb,
                      .samples = Samples(5, 3, 3)};
  ASSERT_EQ(Convert(test_tiff), 1);
  EXPECT_EQ(picture_.header.size(), kTiffHeaderBlockSize);
  EXPECT_EQ(picture_.BitCount(), 24);
  EXPECT_EQ(picture_.Width(), 5);
  EXPECT_EQ(static_cast<int32_t>(picture_.header[8] | picture_.header[9] << 8 |
                                 picture_.header[10] << 16 | picture_.header[11] << 24),
            -3);
  EXPECT_EQ(picture_.pixels.size(), size_t{(5 + 3) * 3 * 3});
  EXPECT_EQ(picture_.SizeImage(), picture_.pixels.size());
  EXPECT_EQ(picture_.Stride(), 16u);
  EXPECT_EQ(picture_.file_width, 5);
  EXPECT_EQ(picture_.file_height, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      const uint8_t* rgb = &test_tiff.samples[(y * 5 + x) * 3];
      EXPECT_EQ(PixelAt(picture_, x, y), (std::vector<uint8_t>{rgb[2], rgb[1], rgb[0]}));
    }
  }
}

TEST_F(ConvertTiffTest, GreyAndPalettePicturesAreEightBit) {
  CTestTiff grey{.width = 3,
                 .height = 2,
                 .photometric = kTiffBlackIsZero,
                 .samples = {10, 20, 30, 40, 50, 60}};
  ASSERT_EQ(Convert(grey), 1);
  EXPECT_EQ(picture_.header.size(), kPaletteHeaderBlockSize);
  EXPECT_EQ(picture_.BitCount(), 8);
  EXPECT_EQ(picture_.pixels.size(), size_t{(3 + 3) * 2});
  EXPECT_EQ(PixelAt(picture_, 0, 1), std::vector<uint8_t>{40});
  EXPECT_EQ(picture_.header[kPaletteOffset + 4 * 77 + 1], 77);

  CTestTiff palette = grey;
  palette.photometric = kTiffPalette;
  palette.color_map.resize(768);
  palette.color_map[20] = 0xAB00;        // red of entry 20
  palette.color_map[256 + 20] = 0x12FF;  // green
  palette.color_map[512 + 20] = 0x3400;  // blue
  ASSERT_EQ(Convert(palette), 1);
  const uint8_t* entry = &picture_.header[kPaletteOffset + 4 * 20];
  EXPECT_EQ(std::vector<uint8_t>(entry, entry + 4), (std::vector<uint8_t>{0x34, 0x12, 0xAB, 0}));
  EXPECT_EQ(PixelAt(picture_, 1, 0), std::vector<uint8_t>{20});
}

TEST_F(ConvertTiffTest, UnknownPhotometricAndMissingColourMapDecodeNothing) {
  CTestTiff white_is_zero{.width = 2, .height = 2, .photometric = 0, .samples = {1, 2, 3, 4}};
  EXPECT_EQ(Convert(white_is_zero), 0);
  EXPECT_TRUE(picture_.header.empty());
  EXPECT_TRUE(picture_.pixels.empty());
  CTestTiff no_map = white_is_zero;
  no_map.photometric = kTiffPalette;
  EXPECT_EQ(Convert(no_map), 0);
  // A refused file still tells its size.
  CTestTiff compressed = white_is_zero;
  compressed.compression = 5;
  compressed.width = 7;
  EXPECT_EQ(Convert(compressed), 0);
  EXPECT_EQ(picture_.file_width, 7);
}

}  // namespace
