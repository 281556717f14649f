#include "imaging/tiff_picture.h"

#include <algorithm>

#include "imaging/tiff_reader.h"

int ConvertTiff(CPicture& picture, const std::string& path) {
  CTiff tiff;
  bool read = tiff.ReadTiff(path);
  picture.file_width = static_cast<int32_t>(tiff.Width());
  picture.file_height = static_cast<int32_t>(tiff.Height());
  return read ? ConvertTiff(picture, tiff) : 0;
}

int ConvertTiff(CPicture& picture, const CTiff& tiff) {
  // ReadTiff bounded the size: both sides fit in 31 bits.
  const auto width = static_cast<int32_t>(tiff.Width());
  const auto height = static_cast<int32_t>(tiff.Height());
  const uint16_t photometric = tiff.Photometric();
  const std::vector<uint16_t>& map = tiff.ColorMap();
  const size_t map_entries = map.size() / 3;  // per colour
  if (photometric != kTiffBlackIsZero && photometric != kTiffRgb && photometric != kTiffPalette) {
    return 0;
  }
  if (photometric == kTiffPalette && map_entries == 0) return 0;

  const int bytes_per_pixel = photometric == kTiffRgb ? 3 : 1;
  const size_t stride = PictureStride(width, bytes_per_pixel);
  const size_t row_bytes = static_cast<size_t>(width) * bytes_per_pixel;
  std::vector<uint8_t> pixels(static_cast<size_t>(width + 3) * height * bytes_per_pixel, 0);
  const uint8_t* source = tiff.PixelData().data();
  for (int32_t y = 0; y < height; ++y, source += row_bytes) {
    uint8_t* row = pixels.data() + y * stride;
    if (bytes_per_pixel == 1) {
      std::copy(source, source + row_bytes, row);
      continue;
    }
    for (const uint8_t* pixel = source; pixel < source + row_bytes; pixel += 3, row += 3) {
      row[0] = pixel[2];
      row[1] = pixel[1];
      row[2] = pixel[0];
    }
  }

  if (bytes_per_pixel == 3) {
    picture.header = MakePictureHeader(kTiffHeaderBlockSize, width, height, 24, pixels.size());
  } else {
    picture.header = MakePictureHeader(kPaletteHeaderBlockSize, width, height, 8, pixels.size());
    if (photometric == kTiffBlackIsZero) {
      SetGreyPalette(picture.header);
    } else {
      size_t entries = std::min<size_t>(map_entries, kPaletteEntries);
      for (size_t i = 0; i < entries; ++i) {
        SetPaletteEntry(picture.header, static_cast<int>(i), static_cast<uint8_t>(map[i] >> 8),
                        static_cast<uint8_t>(map[map_entries + i] >> 8),
                        static_cast<uint8_t>(map[2 * map_entries + i] >> 8));
      }
    }
  }
  picture.pixels = std::move(pixels);
  return 1;
}
