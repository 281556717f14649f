#include "imaging/tiff_reader.h"

#include <algorithm>

#include "base/coding.h"
#include "imaging/open_file.h"

namespace {

constexpr size_t kTiffHeaderSize = 8;
constexpr size_t kDirectoryEntrySize = 12;
constexpr size_t kValueFieldOffset = 8;  // in a directory entry

}  // namespace

bool CTiff::ReadTiff(const std::string& path) {
  COpenFile file = OpenForReading(path);
  if (!file) {
    *this = CTiff();
    return Fail(kTiffFileNotFound);
  }
  return ReadTiff(file.get());
}

bool CTiff::ReadTiff(std::FILE* file) {
  *this = CTiff();
  file_ = file;
  bool ok = false;
  if (std::fseek(file_, 0, SEEK_END) == 0) {
    long size = std::ftell(file_);
    file_size_ = size > 0 ? static_cast<uint64_t>(size) : 0;
    uint8_t header[kTiffHeaderSize];
    if (!ReadAt(0, header, sizeof header)) {
      ok = Fail(kTiffNotTiff);
    } else {
      // The file is Motorola-ordered unless it starts with "I".
      big_endian_ = header[0] != 'I';
      const CEndianReader fields(header, big_endian_);
      if (header[0] != header[1] || *fields.U16(2) != kTiffMagic) {
        ok = Fail(kTiffNotTiff);
      } else {
        ok = ReadDirectory(*fields.U32(4)) && ReadPixelData();
      }
    }
  } else {
    ok = Fail(kTiffNotTiff);
  }
  file_ = nullptr;
  return ok;
}

bool CTiff::Fail(const char* text) {
  error_ = text;
  return false;
}

bool CTiff::ReadAt(uint64_t offset, void* buffer, uint64_t count) {
  if (offset > file_size_ || count > file_size_ - offset) return false;
  if (count == 0) return true;
  if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) return false;
  return std::fread(buffer, 1, count, file_) == count;
}

bool CTiff::ReadDirectory(uint32_t offset) {
  uint8_t count_bytes[2];
  if (!ReadAt(offset, count_bytes, sizeof count_bytes)) return Fail(kTiffNotTiff);
  const uint16_t entries = *CEndianReader(count_bytes, big_endian_).U16(0);
  std::vector<uint8_t> directory(size_t{entries} * kDirectoryEntrySize);
  if (!ReadAt(uint64_t{offset} + 2, directory.data(), directory.size())) {
    return Fail(kTiffNotTiff);
  }
  CEndianReader reader(directory, big_endian_);
  bool have_offsets = false;
  bool have_byte_counts = false;
  for (size_t i = 0; i < entries; ++i) {
    size_t entry = i * kDirectoryEntrySize;
    uint16_t tag = *reader.U16(entry);
    if (tag < kTiffTagImageWidth || tag > kTiffTagColorMap) continue;
    uint16_t type = *reader.U16(entry + 2);
    uint32_t count = *reader.U32(entry + 4);
    const uint8_t* value_field = &directory[entry + kValueFieldOffset];
    // A SHORT value sits in the first two bytes of the value field, in the file's order.
    uint32_t value = type == kTiffTypeShort ? *reader.U16(entry + kValueFieldOffset)
                                            : *reader.U32(entry + kValueFieldOffset);
    switch (tag) {
      case kTiffTagImageWidth:
        width_ = value;
        break;
      case kTiffTagImageLength:
        height_ = value;
        break;
      case kTiffTagCompression:
        compression_ = static_cast<uint16_t>(value);
        break;
      case kTiffTagPhotometric:
        photometric_ = static_cast<uint16_t>(value);
        break;
      case kTiffTagStripOffsets:
        if (!ReadArray(type, count, value_field, strip_offsets_)) return Fail(kTiffNotTiff);
        have_offsets = true;
        break;
      case kTiffTagStripByteCounts:
        if (!ReadArray(type, count, value_field, strip_byte_counts_)) return Fail(kTiffNotTiff);
        have_byte_counts = true;
        break;
      case kTiffTagColorMap: {
        std::vector<uint32_t> map;
        if (!ReadArray(kTiffTypeShort, count, value_field, map)) return Fail(kTiffNotTiff);
        color_map_.assign(map.begin(), map.end());
        break;
      }
      default:
        break;
    }
  }
  if (compression_ != kTiffUncompressed) return false;
  if (!have_offsets || !have_byte_counts) return Fail(kTiffNotTiff);
  return true;
}

bool CTiff::ReadArray(uint16_t type, uint32_t count, const uint8_t* value_field,
                      std::vector<uint32_t>& values) {
  size_t entry_size = type == kTiffTypeShort ? 2 : 4;
  uint64_t bytes = uint64_t{count} * entry_size;
  // The entries must be in the file: this also bounds the allocation by the file's size.
  std::vector<uint8_t> raw;
  if (bytes <= 4) {
    raw.assign(value_field, value_field + bytes);
  } else {
    if (bytes > file_size_) return false;
    raw.resize(bytes);
    const uint32_t offset = *CEndianReader(ByteSpan(value_field, 4), big_endian_).U32(0);
    if (!ReadAt(offset, raw.data(), bytes)) return false;
  }
  const CEndianReader reader(raw, big_endian_);
  values.resize(count);
  for (uint32_t i = 0; i < count; ++i) {
    values[i] = entry_size == 2 ? *reader.U16(i * entry_size) : *reader.U32(i * entry_size);
  }
  return true;
}

bool CTiff::ReadPixelData() {
  // An uncompressed picture of 8-bit samples holds at least one byte per pixel, so a size
  // beyond the file's is a damaged header, not a picture.
  uint64_t pixels = uint64_t{width_} * height_;
  if (pixels == 0 || pixels > file_size_ || pixels * 3 > kMaxTiffPixelBytes) {
    return Fail(kTiffNotTiff);
  }
  pixel_data_.assign(pixels * 3, 0);
  size_t filled = 0;
  size_t strips = std::min(strip_offsets_.size(), strip_byte_counts_.size());
  for (size_t i = 0; i < strips && filled < pixel_data_.size(); ++i) {
    uint64_t offset = strip_offsets_[i];
    if (offset >= file_size_) continue;
    uint64_t count = std::min<uint64_t>(
        {strip_byte_counts_[i], pixel_data_.size() - filled, file_size_ - offset});
    if (!ReadAt(offset, &pixel_data_[filled], count)) continue;
    filled += count;
  }
  return true;
}
