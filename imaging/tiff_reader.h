// CTiff reads the first image of an uncompressed TIFF file: its size, photometric
// interpretation, colour map and the bytes of its strips. It knows what the picture loader
// needs (8-bit greyscale, 8-bit palette and 24-bit RGB pictures in strips); ConvertTiff turns
// the result into the current picture.
//
// Every offset and count read from the file is checked against the file's size before it is
// used, and the pixel block is refused when the header's size is beyond any uncompressed
// picture the file can hold, so a damaged or hostile file cannot make the reader read
// outside it or allocate without bound.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// TIFF tags and values the reader knows.
constexpr uint16_t kTiffTagImageWidth = 256;
constexpr uint16_t kTiffTagImageLength = 257;
constexpr uint16_t kTiffTagCompression = 259;
constexpr uint16_t kTiffTagPhotometric = 262;
constexpr uint16_t kTiffTagStripOffsets = 273;
constexpr uint16_t kTiffTagStripByteCounts = 279;
constexpr uint16_t kTiffTagColorMap = 320;
constexpr uint16_t kTiffTypeShort = 3;
constexpr uint16_t kTiffTypeLong = 4;
constexpr uint16_t kTiffMagic = 42;
constexpr uint16_t kTiffUncompressed = 1;
constexpr uint16_t kTiffBlackIsZero = 1;
constexpr uint16_t kTiffRgb = 2;
constexpr uint16_t kTiffPalette = 3;

constexpr const char* kTiffFileNotFound = "File not found";
constexpr const char* kTiffNotTiff = "This is not a TIF-file";

// The largest pixel block the reader allocates: 268 megapixels of 24 bits.
constexpr uint64_t kMaxTiffPixelBytes = uint64_t{3} << 28;

class CTiff {
 public:
  // Reads the file; true when the header, the first directory and the pixel data were read
  // and the picture is uncompressed. Then the size, photometric interpretation, colour map
  // and pixel data are valid. On failure the error text says why ("File not found", "This is
  // not a TIF-file"; empty for a compressed picture).
  bool ReadTiff(const std::string& path);
  // The same from an open file, read from its start; the caller closes it.
  bool ReadTiff(std::FILE* file);

  const std::string& ErrorText() const { return error_; }
  uint32_t Width() const { return width_; }
  uint32_t Height() const { return height_; }
  uint16_t Compression() const { return compression_; }
  uint16_t Photometric() const { return photometric_; }
  const std::vector<uint32_t>& StripOffsets() const { return strip_offsets_; }
  const std::vector<uint32_t>& StripByteCounts() const { return strip_byte_counts_; }
  // All red values, then all green, then all blue, as read (768 entries for 8 bits).
  const std::vector<uint16_t>& ColorMap() const { return color_map_; }
  // Width × height × 3 bytes: the strips' bytes in strip order, zeros after the last.
  const std::vector<uint8_t>& PixelData() const { return pixel_data_; }

 private:
  bool Fail(const char* text);
  bool ReadAt(uint64_t offset, void* buffer, uint64_t count);
  bool ReadDirectory(uint32_t offset);
  // The `count` values of an array entry: in the value field when they fit in its four
  // bytes, else at the offset it holds.
  bool ReadArray(uint16_t type, uint32_t count, const uint8_t* value_field,
                 std::vector<uint32_t>& values);
  bool ReadPixelData();

  std::string error_;
  std::FILE* file_ = nullptr;
  uint64_t file_size_ = 0;
  bool big_endian_ = false;
  uint32_t width_ = 0;
  uint32_t height_ = 0;
  uint16_t compression_ = kTiffUncompressed;
  uint16_t photometric_ = 0;
  std::vector<uint32_t> strip_offsets_;
  std::vector<uint32_t> strip_byte_counts_;
  std::vector<uint16_t> color_map_;
  std::vector<uint8_t> pixel_data_;
};
