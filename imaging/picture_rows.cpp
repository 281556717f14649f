#include "imaging/picture_rows.h"

void PictureRowRgb(const CPicture& picture, int32_t y, uint8_t* rgb) {
  const int32_t width = picture.Width();
  const uint8_t* in = picture.Row(y);
  if (picture.BitCount() == 24) {
    for (int32_t x = 0; x < width; ++x, in += 3, rgb += 3) {
      rgb[0] = in[2];
      rgb[1] = in[1];
      rgb[2] = in[0];
    }
    return;
  }
  const uint8_t* palette = picture.header.data() + kPaletteOffset;
  for (int32_t x = 0; x < width; ++x, rgb += 3) {
    const uint8_t* entry = palette + size_t{in[x]} * 4;
    rgb[0] = entry[2];
    rgb[1] = entry[1];
    rgb[2] = entry[0];
  }
}
