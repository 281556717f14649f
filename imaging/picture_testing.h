// Helpers for the imaging tests: byte files in a temporary folder, JPEG files made with the
// JPEG library, and a small TIFF file builder.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "imaging/picture.h"
#include "imaging/picture_info_texts.h"
#include "platform/temp_dir_testing.h"

// Writes `bytes` as the file `name` in `folder`; returns its path.
std::string WriteBytes(const CTempDir& folder, const std::string& name,
                       const std::vector<uint8_t>& bytes);
// The whole content of a file; empty when it cannot be read.
std::vector<uint8_t> ReadBytes(const std::string& path);

// A JPEG made by the library from `samples` (rows without padding, `components` per pixel
// in `color_space`: JCS_RGB, JCS_GRAYSCALE or JCS_CMYK, which the library writes with
// Adobe's marker).
struct CTestJpeg {
  int width = 0;
  int height = 0;
  J_COLOR_SPACE color_space = JCS_RGB;
  std::vector<uint8_t> samples = {};
  int quality = 95;
  bool progressive = false;
  J_COLOR_SPACE stored = JCS_UNKNOWN;  // the file's colour space; unknown: the library's choice
  std::vector<uint8_t> app1 = {};      // an APP1 section's payload (an EXIF block); empty: none
};
std::vector<uint8_t> EncodeTestJpeg(const CTestJpeg& jpeg);

// The payload of an EXIF APP1 section as a camera writes it, reduced to the date taken:
// "Exif\0\0", an Intel-ordered TIFF header, IFD0 pointing at the EXIF directory, and there
// DateTimeOriginal with `date_taken` ("2004:03:07 12:34:56").
std::vector<uint8_t> ExifWithDate(const std::string& date_taken);

// Writes a camera-like JPEG of `width` x `height` at quality 90, row by row (so that a large
// one costs no picture buffer): smooth gradients with a ripple, 40 discs of flat colour and
// noise of +-12 levels, all drawn from `seed`, with `app1` as its APP1 section when not empty.
void WriteCameraJpeg(const std::string& path, int width, int height, uint64_t seed,
                     const std::vector<uint8_t>& app1);

// The reference decode of the speed measurements: the JPEG library alone, reading the file
// through stdio and decoding it at 1/8 into one row buffer. Returns a byte of the last row.
int BareJpegDecodeEighth(const std::string& path);

// A picture of `width` × `height` in `color_space` whose samples vary smoothly with x and y.
CTestJpeg GradientJpeg(int width, int height, J_COLOR_SPACE color_space = JCS_RGB);

// A picture of `width` × `height` whose top-left quarter is red and the rest blue: where the
// red corner went shows how the picture was turned.
CTestJpeg CornerJpeg(int width, int height);

// A minimal TIFF file: the header, data blocks, then one directory.
class CTiffBuilder {
 public:
  explicit CTiffBuilder(bool big_endian) : big_endian_(big_endian) {}
  // Appends data to the file and returns its offset.
  uint32_t AddBytes(const std::vector<uint8_t>& bytes);
  uint32_t AddShorts(const std::vector<uint16_t>& values);
  uint32_t AddLongs(const std::vector<uint32_t>& values);
  // A directory entry; a SHORT value goes into the first two bytes of the value field.
  void Entry(uint16_t tag, uint16_t type, uint32_t count, uint32_t value);
  // An entry of two SHORT values, which sit in its value field.
  void ShortPairEntry(uint16_t tag, uint16_t first, uint16_t second);
  std::vector<uint8_t> Build() const;

 private:
  void Put16(std::vector<uint8_t>& out, uint16_t value) const;
  void Put32(std::vector<uint8_t>& out, uint32_t value) const;

  bool big_endian_;
  std::vector<uint8_t> data_;
  struct Item {
    uint16_t tag, type;
    uint32_t count;
    std::vector<uint8_t> value_field;  // 4 bytes in file order
  };
  std::vector<Item> entries_;
};

// A TIFF of `samples` (rows without padding) cut into `strips` strips of whole rows, with
// strip offsets and byte counts as SHORT or LONG arrays.
struct CTestTiff {
  bool big_endian = false;
  uint32_t width = 0;
  uint32_t height = 0;
  uint16_t photometric = 2;
  uint16_t compression = 1;
  std::vector<uint8_t> samples = {};
  int strips = 1;
  bool short_strip_tables = false;
  std::vector<uint16_t> color_map = {};  // empty: none
};
std::vector<uint8_t> BuildTestTiff(const CTestTiff& tiff);

// The pixel at (x, y) of a 24-bit or 8-bit picture, as its bytes (blue, green, red).
std::vector<uint8_t> PixelAt(const CPicture& picture, int x, int y);

// A picture information pair in a test's failure message: "{label, value}".
void PrintTo(const CInfoPair& pair, std::ostream* out);
