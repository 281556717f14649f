#include "imaging/picture_reduction.h"

#include <algorithm>
#include <cstring>
#include <vector>

CPictureSize ReducedSize(int width, int height, int target_width, int target_height) {
  CPictureSize size;
  if (width > height) {
    size.width = target_width;
    size.height = static_cast<int>(static_cast<float>(height) / static_cast<float>(width) *
                                   static_cast<float>(target_width));
  } else {
    size.height = target_height;
    size.width = static_cast<int>(static_cast<float>(width) / static_cast<float>(height) *
                                  static_cast<float>(target_height));
  }
  // A very narrow picture would otherwise lose its short side altogether.
  size.width = std::max(size.width, 1);
  size.height = std::max(size.height, 1);
  return size;
}

void ReducePicture(CPicture& picture, int target_width, int target_height, bool forced) {
  if (!picture.IsWellFormed()) return;
  const int b = picture.BytesPerPixel();
  const int width = picture.Width();
  const int height = picture.Height();
  const CPictureSize size = ReducedSize(width, height, target_width, target_height);
  if (!(width / 2 > size.width || forced)) return;

  const size_t source_stride = picture.Stride();
  const size_t stride = PictureStride(size.width, b);
  // The last pixel of a source row; an enlargement would otherwise sample past it.
  const size_t last_pixel = static_cast<size_t>(width - 1) * b;
  const float step = static_cast<float>(width) / static_cast<float>(size.width);
  std::vector<uint8_t> pixels(static_cast<size_t>(size.width + 3) * size.height * b, 0);
  for (int j = 0; j < size.height; ++j) {
    const auto source_row = static_cast<size_t>(static_cast<float>(j) * step);
    if (source_row >= static_cast<size_t>(height)) continue;
    const uint8_t* source = picture.pixels.data() + source_row * source_stride;
    uint8_t* target = pixels.data() + j * stride;
    for (int k = 0; k < size.width; ++k, target += b) {
      auto byte = static_cast<size_t>(static_cast<float>(b * k) * step);
      byte = std::min((byte + b - 1) / b * b, last_pixel);  // the start of a pixel
      std::memcpy(target, source + byte, b);
    }
  }
  picture.pixels = std::move(pixels);
  SetPictureSize(picture.header, size.width, size.height, picture.pixels.size());
}
