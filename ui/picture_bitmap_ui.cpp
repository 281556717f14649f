#include "ui/picture_bitmap_ui.h"

#include <cstdlib>

#include "imaging/picture.h"

wxImage ImageOfPicture(const CPicture& picture) {
  if (!picture.IsWellFormed()) return wxImage();
  const int width = picture.Width();
  const int height = picture.Height();
  // wx takes ownership of memory from malloc.
  auto* rgb = static_cast<unsigned char*>(std::malloc(size_t(width) * size_t(height) * 3));
  if (!rgb) return wxImage();
  unsigned char* out = rgb;
  if (picture.BitCount() == 24) {
    for (int y = 0; y < height; ++y) {
      const uint8_t* in = picture.Row(y);
      for (int x = 0; x < width; ++x, in += 3, out += 3) {
        out[0] = in[2];
        out[1] = in[1];
        out[2] = in[0];
      }
    }
  } else {
    const uint8_t* palette = picture.header.data() + kPaletteOffset;
    for (int y = 0; y < height; ++y) {
      const uint8_t* in = picture.Row(y);
      for (int x = 0; x < width; ++x, out += 3) {
        const uint8_t* entry = palette + size_t(in[x]) * 4;
        out[0] = entry[2];
        out[1] = entry[1];
        out[2] = entry[0];
      }
    }
  }
  return wxImage(width, height, rgb, false);
}
