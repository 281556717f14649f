#include "ui/picture_bitmap_ui.h"

#include <cstdlib>

#include "imaging/picture.h"
#include "imaging/picture_rows.h"

wxImage ImageOfPicture(const CPicture& picture) {
  if (!picture.IsWellFormed()) return wxImage();
  const int width = picture.Width();
  const int height = picture.Height();
  // wx takes ownership of memory from malloc.
  auto* rgb = static_cast<unsigned char*>(std::malloc(size_t(width) * size_t(height) * 3));
  if (!rgb) return wxImage();
  for (int y = 0; y < height; ++y) PictureRowRgb(picture, y, rgb + size_t(y) * width * 3);
  return wxImage(width, height, rgb, false);
}
