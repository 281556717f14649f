// A builder of EXIF blocks for tests: IFD0, an EXIF directory linked from it when it has
// entries, and the values that do not fit in their entries, in either byte order. Tests make
// camera files with exactly the tags they need from it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/picture_info_texts.h"

class CExifBuilder {
 public:
  // The directory an entry goes into.
  enum Directory { kIfd0 = 0, kExifIfd = 1 };

  explicit CExifBuilder(bool big_endian) : big_endian_(big_endian) {}

  // An entry of any format, with its value's bytes in the block's byte order.
  CExifBuilder& Raw(Directory ifd, uint16_t tag, uint16_t format, uint32_t count,
                    std::vector<uint8_t> value);
  // An ASCII entry: the text and its zero byte.
  CExifBuilder& Ascii(Directory ifd, uint16_t tag, const std::string& text);
  CExifBuilder& Undefined(Directory ifd, uint16_t tag, const std::string& bytes);
  CExifBuilder& Short(Directory ifd, uint16_t tag, uint16_t value);
  // A rational (format 5) or, with format 10, a signed rational.
  CExifBuilder& Rational(Directory ifd, uint16_t tag, int32_t numerator, int32_t denominator,
                         uint16_t format = 5);
  // The offset of the first directory in the TIFF header (8, right behind it, unless set).
  CExifBuilder& FirstDirectory(uint32_t offset);

  // The TIFF block: header, directories, values.
  std::vector<uint8_t> Block() const;
  // The payload of an APP1 section, as a JPEG writer is given it: "Exif\0\0" and the block.
  std::vector<uint8_t> Payload() const;
  // The APP1 section as the reader buffers it: two length bytes, then the payload.
  std::vector<uint8_t> Section() const;

 private:
  struct Entry {
    uint16_t tag, format;
    uint32_t count;
    std::vector<uint8_t> value;
  };
  void Put16(std::vector<uint8_t>& out, uint16_t v) const;
  void Put32(std::vector<uint8_t>& out, uint32_t v) const;

  bool big_endian_;
  uint32_t first_directory_ = 8;
  std::vector<Entry> ifds_[2];
};

// A camera's EXIF block with every tag the picture information shows: make "Canon" (padded
// with zero bytes), model "PowerShot A70", date taken "2004:03:07 12:34:56", exposure 1/60 s,
// f 2.8, subject distance 1.5 m, flash fired, focal length 5.4 mm and a user comment "word".
CExifBuilder CameraExif(bool big_endian);
// The camera rows the picture information shows for CameraExif's tags (and for the same
// values however they were read), in list order.
std::vector<CInfoPair> CameraExifPairs();
