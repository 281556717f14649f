// The current picture: the one working slot into which every picture is decoded, reduced and
// corrected, and from which the thumbnail cache, the painter, printing and the web album take
// it. It is a Windows device-independent bitmap in two blocks:
//
//  - the header block: a 40-byte BITMAPINFOHEADER (little-endian) followed, for 8-bit
//    pictures, by 256 palette entries of blue, green, red, reserved. The block is 48 bytes
//    for a 24-bit JPEG, 44 bytes for a 24-bit TIFF and 1,068 bytes for every 8-bit picture;
//    the thumbnail cache stores the first 44 or 1,068 bytes of it as they stand.
//  - the pixel block: top-down rows (the height in the header is negated), blue-green-red or
//    palette indices, each row starting on a multiple of 4 bytes. The block is allocated
//    larger than the rows need, and biSizeImage holds its allocated size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// BITMAPINFOHEADER, as the header block holds it.
constexpr size_t kBitmapInfoHeaderSize = 40;
constexpr size_t kHeaderWidthOffset = 4;
constexpr size_t kHeaderHeightOffset = 8;
constexpr size_t kHeaderPlanesOffset = 12;
constexpr size_t kHeaderBitCountOffset = 14;
constexpr size_t kHeaderCompressionOffset = 16;
constexpr size_t kHeaderSizeImageOffset = 20;
constexpr size_t kHeaderClrUsedOffset = 32;
constexpr size_t kHeaderClrImportantOffset = 36;

// Header block sizes.
constexpr size_t kJpegHeaderBlockSize = 48;       // 24-bit picture decoded from a JPEG
constexpr size_t kTiffHeaderBlockSize = 44;       // 24-bit picture decoded from a TIFF
constexpr size_t kPaletteHeaderBlockSize = 1068;  // every 8-bit picture
constexpr size_t kPaletteOffset = kBitmapInfoHeaderSize;
constexpr int kPaletteEntries = 256;

// The picture kind.
enum PictureKind : uint16_t { kPictureNone = 0, kPictureJpeg = 1, kPictureTiff = 2 };

struct CPicture {
  std::vector<uint8_t> header;  // the header block, empty when there is no picture
  std::vector<uint8_t> pixels;  // the pixel block, empty when there is no picture
  uint16_t kind = kPictureNone;
  // The size in the file, before any reduction.
  int32_t file_width = 0;
  int32_t file_height = 0;

  // Empties both blocks; kind 0 and no file size.
  void Release();

  // Header fields; 0 when there is no header.
  int32_t Width() const;
  int32_t Height() const;  // the picture's height (the header holds it negated)
  int BitCount() const;
  uint32_t SizeImage() const;
  // 3 for a 24-bit picture, else 1.
  int BytesPerPixel() const { return BitCount() == 24 ? 3 : 1; }
  // Bytes from one row to the next.
  size_t Stride() const;

  // True when there is a picture whose header is 24- or 8-bit with room for its palette and
  // whose rows all lie inside the pixel block. The operations on a picture leave a picture
  // that is not well formed (a damaged cached thumbnail, say) as it is.
  bool IsWellFormed() const;

  uint8_t* Row(int32_t y) { return pixels.data() + static_cast<size_t>(y) * Stride(); }
  const uint8_t* Row(int32_t y) const { return pixels.data() + static_cast<size_t>(y) * Stride(); }
};

// The row length of a picture: width × bytes per pixel, rounded up to a multiple of 4.
size_t PictureStride(int64_t width, int bytes_per_pixel);

// A header block of `block_size` bytes (zeros beyond the fields) for a top-down picture of
// `width` × `height` pixels; biSizeImage = `pixel_block_size`.
std::vector<uint8_t> MakePictureHeader(size_t block_size, int32_t width, int32_t height,
                                       int bit_count, size_t pixel_block_size);

// Palette entry `index` of an 8-bit header block.
void SetPaletteEntry(std::vector<uint8_t>& header, int index, uint8_t red, uint8_t green,
                     uint8_t blue);
// Entry i = grey i, for every entry.
void SetGreyPalette(std::vector<uint8_t>& header);

// Makes the header's width, height and biSizeImage those of a new pixel block.
void SetPictureSize(std::vector<uint8_t>& header, int32_t width, int32_t height,
                    size_t pixel_block_size);
