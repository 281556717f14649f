#include "imaging/picture.h"

#include "base/coding.h"

void CPicture::Release() {
  // Swapping with empty vectors gives the memory back, which clear() would not.
  std::vector<uint8_t>().swap(header);
  std::vector<uint8_t>().swap(pixels);
  kind = kPictureNone;
  file_width = 0;
  file_height = 0;
}

int32_t CPicture::Width() const {
  if (header.size() < kBitmapInfoHeaderSize) return 0;
  return static_cast<int32_t>(GetUint32LE(header, kHeaderWidthOffset).value_or(0));
}

int32_t CPicture::Height() const {
  if (header.size() < kBitmapInfoHeaderSize) return 0;
  int64_t height = static_cast<int32_t>(GetUint32LE(header, kHeaderHeightOffset).value_or(0));
  return static_cast<int32_t>(height < 0 ? -height : height);
}

int CPicture::BitCount() const {
  if (header.size() < kBitmapInfoHeaderSize) return 0;
  return GetUint16LE(header, kHeaderBitCountOffset).value_or(0);
}

uint32_t CPicture::SizeImage() const {
  if (header.size() < kBitmapInfoHeaderSize) return 0;
  return GetUint32LE(header, kHeaderSizeImageOffset).value_or(0);
}

size_t CPicture::Stride() const { return PictureStride(Width(), BytesPerPixel()); }

bool CPicture::IsWellFormed() const {
  int bits = BitCount();
  if (bits != 24 && bits != 8) return false;
  if (header.size() < (bits == 8 ? kPaletteHeaderBlockSize : kTiffHeaderBlockSize)) return false;
  int64_t width = Width();
  int64_t height = Height();
  if (width <= 0 || height <= 0) return false;
  // Rows are at most 2^31 × 3 bytes and heights below 2^31, so the product fits.
  return PictureStride(width, BytesPerPixel()) * static_cast<uint64_t>(height) <= pixels.size();
}

size_t PictureStride(int64_t width, int bytes_per_pixel) {
  if (width <= 0) return 0;
  return (static_cast<size_t>(width) * bytes_per_pixel + 3) & ~size_t{3};
}

std::vector<uint8_t> MakePictureHeader(size_t block_size, int32_t width, int32_t height,
                                       int bit_count, size_t pixel_block_size) {
  std::vector<uint8_t> header(block_size);
  PutUint32LE(header, 0, kBitmapInfoHeaderSize);
  PutUint16LE(header, kHeaderPlanesOffset, 1);
  PutUint16LE(header, kHeaderBitCountOffset, static_cast<uint16_t>(bit_count));
  PutUint32LE(header, kHeaderCompressionOffset, 0);
  PutUint32LE(header, kHeaderClrUsedOffset, 0);
  PutUint32LE(header, kHeaderClrImportantOffset, 0);
  SetPictureSize(header, width, height, pixel_block_size);
  return header;
}

void SetPaletteEntry(std::vector<uint8_t>& header, int index, uint8_t red, uint8_t green,
                     uint8_t blue) {
  uint8_t* entry = &header[kPaletteOffset + 4 * static_cast<size_t>(index)];
  entry[0] = blue;
  entry[1] = green;
  entry[2] = red;
  entry[3] = 0;
}

void SetGreyPalette(std::vector<uint8_t>& header) {
  for (int i = 0; i < kPaletteEntries; ++i) {
    auto grey = static_cast<uint8_t>(i);
    SetPaletteEntry(header, i, grey, grey, grey);
  }
}

void SetPictureSize(std::vector<uint8_t>& header, int32_t width, int32_t height,
                    size_t pixel_block_size) {
  PutUint32LE(header, kHeaderWidthOffset, static_cast<uint32_t>(width));
  PutUint32LE(header, kHeaderHeightOffset, static_cast<uint32_t>(-height));
  PutUint32LE(header, kHeaderSizeImageOffset, static_cast<uint32_t>(pixel_block_size));
}
