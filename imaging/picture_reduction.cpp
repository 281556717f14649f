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

namespace {

// The pixel block of `picture` point-sampled to `size`: output row j samples source row
// (j × row_step) truncated, output column k the pixel that starts at or after the source byte
// (b × k × column_step) truncated.
std::vector<uint8_t> SamplePixels(const CPicture& picture, CPictureSize size, float column_step,
                                  float row_step) {
  const int b = picture.BytesPerPixel();
  const size_t source_stride = picture.Stride();
  const size_t stride = PictureStride(size.width, b);
  // The last pixel of a source row; an enlargement would otherwise sample past it.
  const size_t last_pixel = static_cast<size_t>(picture.Width() - 1) * b;
  std::vector<uint8_t> pixels(static_cast<size_t>(size.width + 3) * size.height * b, 0);
  for (int j = 0; j < size.height; ++j) {
    const auto source_row = static_cast<size_t>(static_cast<float>(j) * row_step);
    if (source_row >= static_cast<size_t>(picture.Height())) continue;
    const uint8_t* source = picture.pixels.data() + source_row * source_stride;
    uint8_t* target = pixels.data() + j * stride;
    for (int k = 0; k < size.width; ++k, target += b) {
      auto byte = static_cast<size_t>(static_cast<float>(b * k) * column_step);
      byte = std::min((byte + b - 1) / b * b, last_pixel);  // the start of a pixel
      std::memcpy(target, source + byte, b);
    }
  }
  return pixels;
}

}  // namespace

void ReducePicture(CPicture& picture, int target_width, int target_height, bool forced) {
  if (!picture.IsWellFormed()) return;
  const int width = picture.Width();
  const CPictureSize size = ReducedSize(width, picture.Height(), target_width, target_height);
  if (!(width / 2 > size.width || forced)) return;
  // One step for rows and columns: the reduction keeps the picture's proportions.
  const float step = static_cast<float>(width) / static_cast<float>(size.width);
  picture.pixels = SamplePixels(picture, size, step, step);
  SetPictureSize(picture.header, size.width, size.height, picture.pixels.size());
}

CPicture ScaledCopy(const CPicture& picture, CPictureSize size) {
  CPicture copy;
  if (!picture.IsWellFormed() || size.width < 1 || size.height < 1) return copy;
  const float column_step = static_cast<float>(picture.Width()) / static_cast<float>(size.width);
  const float row_step = static_cast<float>(picture.Height()) / static_cast<float>(size.height);
  copy.header = picture.header;
  copy.pixels = SamplePixels(picture, size, column_step, row_step);
  SetPictureSize(copy.header, size.width, size.height, copy.pixels.size());
  copy.kind = picture.kind;
  copy.file_width = picture.file_width;
  copy.file_height = picture.file_height;
  return copy;
}
