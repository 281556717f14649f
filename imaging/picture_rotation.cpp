#include "imaging/picture_rotation.h"

#include <cstring>

void RotatePicture(CPicture& picture) {
  if (!picture.IsWellFormed()) return;
  const int32_t width = picture.Width();
  const int32_t height = picture.Height();
  const size_t b = static_cast<size_t>(picture.BytesPerPixel());
  const size_t new_stride = PictureStride(height, static_cast<int>(b));
  std::vector<uint8_t> turned(new_stride * static_cast<size_t>(width), 0);
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* source = picture.Row(y);
    // Source row y becomes column h − 1 − y, read downwards.
    uint8_t* target = turned.data() + static_cast<size_t>(height - 1 - y) * b;
    for (int32_t x = 0; x < width; ++x, source += b, target += new_stride) {
      std::memcpy(target, source, b);
    }
  }
  picture.pixels = std::move(turned);
  SetPictureSize(picture.header, height, width, picture.pixels.size());
}
