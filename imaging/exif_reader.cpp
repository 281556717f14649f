#include "imaging/exif_reader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/coding.h"
#include "imaging/open_file.h"

namespace {

constexpr int kMaxSections = 19;
constexpr int kMaxMarkerFill = 7;  // 0xFF bytes read before giving up on a marker
constexpr int kMarkerSoi1 = 0xFF;
constexpr int kMarkerSoi2 = 0xD8;
constexpr int kMarkerApp1 = 0xE1;
constexpr int kMarkerSos = 0xDA;

// The EXIF header in an APP1 section, by offset into the section (which starts with its two
// length bytes).
constexpr size_t kExifIdOffset = 2;      // "Exif\0\0"
constexpr size_t kTiffHeaderOffset = 8;  // byte order, 42, first directory offset
constexpr size_t kExifHeaderSize = 16;
constexpr uint16_t kTiffMagic = 42;
constexpr uint32_t kFirstDirectoryOffset = 8;  // right behind the TIFF header

constexpr size_t kEntrySize = 12;
constexpr size_t kInlineValueBytes = 4;
constexpr int kMaxDirectoryDepth = 4;  // IFD0, EXIF, interoperability, and one to spare

constexpr size_t kMakeBytes = 31;
constexpr size_t kModelBytes = 39;
constexpr size_t kDateBytes = 19;

enum ExifTag : uint16_t {
  kTagMake = 271,
  kTagModel = 272,
  kTagExposureTime = 33434,
  kTagFNumber = 33437,
  kTagExifOffset = 34665,
  kTagDateTimeOriginal = 36867,
  kTagShutterSpeedValue = 37377,
  kTagApertureValue = 37378,
  kTagMaxApertureValue = 37381,
  kTagSubjectDistance = 37382,
  kTagFlash = 37385,
  kTagFocalLength = 37386,
  kTagUserComment = 37510,
  kTagInteroperabilityOffset = 40965,
};

enum ExifFormat : uint16_t {
  kFormatByte = 1,
  kFormatShort = 3,
  kFormatLong = 4,
  kFormatRational = 5,
  kFormatSignedByte = 6,
  kFormatSignedShort = 8,
  kFormatSignedLong = 9,
  kFormatSignedRational = 10,
  kFormatFloat = 11,
  kFormatDouble = 12,
};
constexpr int kBytesPerComponent[13] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};

// The Flash tag's bit that says the flash fired; the other bits tell the flash mode.
constexpr uint32_t kFlashFired = 1;

bool FlashFired(double value) {
  // No flash value lies outside 16 bits; a damaged one that is not even a 32-bit number
  // says nothing.
  if (!(value >= 0 && value < 4294967296.0)) return false;
  return static_cast<uint32_t>(value) & kFlashFired;
}

bool IsStartOfFrame(int marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The text of a value: at most `limit` bytes, up to the first zero byte.
std::string TextOf(std::span<const uint8_t> value, size_t limit) {
  value = value.first(std::min(value.size(), limit));
  auto end = std::find(value.begin(), value.end(), 0);
  return std::string(value.begin(), end);
}

// The first component of a value as a real number; ASCII, undefined and an empty value
// give 0. Rationals take both halves as signed numbers; a zero denominator gives 0.
double NumberOf(std::span<const uint8_t> value, uint16_t format, bool big_endian) {
  if (value.size() < static_cast<size_t>(kBytesPerComponent[format])) return 0;
  const uint8_t* p = value.data();
  const CEndianReader reader(value, big_endian);
  switch (format) {
    case kFormatByte:
      return p[0];
    case kFormatSignedByte:
      return static_cast<int8_t>(p[0]);
    case kFormatShort:
      return *reader.U16(0);
    case kFormatSignedShort:
      return static_cast<int16_t>(*reader.U16(0));
    case kFormatLong:
      return *reader.U32(0);
    case kFormatSignedLong:
      return static_cast<int32_t>(*reader.U32(0));
    case kFormatRational:
    case kFormatSignedRational: {
      auto numerator = static_cast<int32_t>(*reader.U32(0));
      auto denominator = static_cast<int32_t>(*reader.U32(4));
      return denominator == 0 ? 0.0 : static_cast<double>(numerator) / denominator;
    }
    case kFormatFloat: {
      uint32_t bits = *reader.U32(0);
      float number;
      std::memcpy(&number, &bits, sizeof number);
      return number;
    }
    case kFormatDouble: {
      uint64_t bits = *reader.U64(0);
      double number;
      std::memcpy(&number, &bits, sizeof number);
      return number;
    }
    default:
      return 0;
  }
}

}  // namespace

void CExif::Reset() {
  has_exif = false;
  camera_make.clear();
  camera_model.clear();
  date_taken.clear();
  exposure_time = 0;
  f_number = 0;
  focal_length = 0;
  subject_distance = 0;
  flash_used = false;
  user_comment.clear();
  frame_height = 0;
  frame_width = 0;
  frame_is_colour = false;
  frame_marker = 0;
}

bool CExif::ReadExif(const std::string& path) {
  Reset();
  COpenFile file = OpenForReading(path);
  if (!file) return false;
  return ReadExif(file.get());
}

bool CExif::ReadExif(std::FILE* file) {
  Reset();
  if (std::getc(file) != kMarkerSoi1 || std::getc(file) != kMarkerSoi2) return false;
  bool frame_seen = false;
  std::vector<uint8_t> section;
  for (int n = 0; n < kMaxSections; ++n) {
    int marker = 0xFF;
    for (int i = 0; i < kMaxMarkerFill && marker == 0xFF; ++i) marker = std::getc(file);
    if (marker == 0xFF || marker == EOF) return false;

    int high = std::getc(file);
    int low = std::getc(file);
    if (high == EOF || low == EOF) return false;
    size_t length = static_cast<size_t>(high << 8 | low);  // counts its own two bytes
    if (length < 2) return false;
    section.resize(length);
    section[0] = static_cast<uint8_t>(high);
    section[1] = static_cast<uint8_t>(low);
    if (std::fread(section.data() + 2, 1, length - 2, file) != length - 2) return false;

    if (IsStartOfFrame(marker)) {
      if (!frame_seen && length >= 8) {
        frame_seen = true;
        frame_height = GetUint16BE(section, 3).value_or(0);
        frame_width = GetUint16BE(section, 5).value_or(0);
        frame_is_colour = section[7] == 3;
        frame_marker = marker;
      }
    } else if (marker == kMarkerApp1) {
      // Any EXIF section marks the file; a later APP1 of another kind (XMP, say) does not
      // take that back.
      if (ParseExifSection(section)) has_exif = true;
    } else if (marker == kMarkerSos) {
      // The compressed data follows; no metadata section comes after it.
      return true;
    }
  }
  return true;
}

bool CExif::ParseExifSection(std::span<const uint8_t> section) {
  if (section.size() < kExifHeaderSize) return false;
  if (std::memcmp(&section[kExifIdOffset], "Exif\0\0", 6) != 0) return false;
  bool big_endian;
  if (section[kTiffHeaderOffset] == 'I' && section[kTiffHeaderOffset + 1] == 'I') {
    big_endian = false;
  } else if (section[kTiffHeaderOffset] == 'M' && section[kTiffHeaderOffset + 1] == 'M') {
    big_endian = true;
  } else {
    return false;
  }
  // Offsets in the block count from its TIFF header, and nothing may lie past the section.
  CEndianReader block(section.subspan(kTiffHeaderOffset), big_endian);
  if (*block.U16(2) != kTiffMagic || *block.U32(4) != kFirstDirectoryOffset) return false;
  std::vector<uint32_t> visited;
  ParseDirectory(block, kFirstDirectoryOffset, 0, visited);
  return true;
}

bool CExif::ParseDirectory(const CEndianReader& block, uint32_t offset, int depth,
                           std::vector<uint32_t>& visited) {
  if (depth >= kMaxDirectoryDepth) return false;
  if (std::find(visited.begin(), visited.end(), offset) != visited.end()) return false;
  visited.push_back(offset);
  std::optional<uint16_t> entries = block.U16(offset);
  if (!entries || !block.Has(uint64_t{offset} + 2, uint64_t{*entries} * kEntrySize)) return false;

  for (uint64_t entry = offset + 2; entry < offset + 2 + uint64_t{*entries} * kEntrySize;
       entry += kEntrySize) {
    const uint16_t tag = *block.U16(entry);
    const uint16_t format = *block.U16(entry + 2);
    const uint32_t count = *block.U32(entry + 4);
    if (format < 1 || format > 12) return false;
    const uint64_t bytes = uint64_t{count} * kBytesPerComponent[format];
    uint64_t value_offset = entry + 8;
    if (bytes > kInlineValueBytes) {
      value_offset = *block.U32(entry + 8);
      if (!block.Has(value_offset, bytes)) return false;
    }
    const std::span<const uint8_t> value = *block.Bytes(value_offset, bytes);
    const double number = NumberOf(value, format, block.big_endian());

    switch (tag) {
      case kTagMake:
        camera_make = TextOf(value, kMakeBytes);
        break;
      case kTagModel:
        camera_model = TextOf(value, kModelBytes);
        break;
      case kTagDateTimeOriginal:
        date_taken = TextOf(value, kDateBytes);
        break;
      case kTagExposureTime:
        exposure_time = static_cast<float>(number);
        break;
      case kTagFNumber:
        f_number = static_cast<float>(number);
        break;
      case kTagShutterSpeedValue:
        // APEX: time value = -log2(exposure time).
        if (exposure_time == 0) exposure_time = static_cast<float>(1.0 / std::exp2(number));
        break;
      case kTagApertureValue:
      case kTagMaxApertureValue:
        // APEX: aperture value = 2 log2(f-number).
        if (f_number == 0) f_number = static_cast<float>(std::exp2(number / 2));
        break;
      case kTagSubjectDistance:
        subject_distance = static_cast<float>(number);
        break;
      case kTagFlash:
        if (FlashFired(number)) flash_used = true;
        break;
      case kTagFocalLength:
        focal_length = static_cast<float>(number);
        break;
      case kTagUserComment:
        TakeUserComment(value);
        break;
      case kTagExifOffset:
      case kTagInteroperabilityOffset: {
        if (!(number >= 0 && number < static_cast<double>(block.size()))) return false;
        // A malformed sub-directory stops itself; this directory goes on.
        ParseDirectory(block, static_cast<uint32_t>(number), depth + 1, visited);
        break;
      }
      default:
        break;
    }
  }
  return true;
}

void CExif::TakeUserComment(std::span<const uint8_t> value) {
  std::vector<uint8_t> text(value.begin(), value.end());
  for (auto it = text.rbegin(); it != text.rend() && *it == ' '; ++it) *it = 0;
  constexpr size_t kCodeBytes = 5;  // "ASCII"
  constexpr size_t kCodeFieldEnd = 10;
  if (text.size() < kCodeBytes || std::memcmp(text.data(), "ASCII", kCodeBytes) != 0) {
    user_comment = TextOf(text, text.size());
    return;
  }
  user_comment.clear();
  for (size_t i = kCodeBytes; i < std::min(text.size(), kCodeFieldEnd); ++i) {
    if (text[i] != 0 && text[i] != ' ') {
      user_comment = TextOf(std::span<const uint8_t>(text).subspan(i), text.size());
      return;
    }
  }
}

bool CExif::ReadFileStatus(const std::string& path) {
  struct stat status;
  if (::stat(path.c_str(), &status) != 0) return false;
  file_size = status.st_size;
  file_time = status.st_mtime;
  return true;
}
