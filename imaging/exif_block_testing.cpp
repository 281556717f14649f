#include "imaging/exif_block_testing.h"

namespace {

constexpr uint16_t kTagExifOffset = 34665;
constexpr uint16_t kFormatAscii = 2;
constexpr uint16_t kFormatShort = 3;
constexpr uint16_t kFormatLong = 4;
constexpr uint16_t kFormatUndefined = 7;

}  // namespace

CExifBuilder& CExifBuilder::Raw(Directory ifd, uint16_t tag, uint16_t format, uint32_t count,
                                std::vector<uint8_t> value) {
  ifds_[ifd].push_back({tag, format, count, std::move(value)});
  return *this;
}

CExifBuilder& CExifBuilder::Ascii(Directory ifd, uint16_t tag, const std::string& text) {
  std::vector<uint8_t> value(text.begin(), text.end());
  value.push_back(0);
  return Raw(ifd, tag, kFormatAscii, static_cast<uint32_t>(value.size()), value);
}

CExifBuilder& CExifBuilder::Undefined(Directory ifd, uint16_t tag, const std::string& bytes) {
  return Raw(ifd, tag, kFormatUndefined, static_cast<uint32_t>(bytes.size()),
             std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

CExifBuilder& CExifBuilder::Short(Directory ifd, uint16_t tag, uint16_t value) {
  std::vector<uint8_t> bytes;
  Put16(bytes, value);
  return Raw(ifd, tag, kFormatShort, 1, bytes);
}

CExifBuilder& CExifBuilder::Rational(Directory ifd, uint16_t tag, int32_t numerator,
                                     int32_t denominator, uint16_t format) {
  std::vector<uint8_t> bytes;
  Put32(bytes, static_cast<uint32_t>(numerator));
  Put32(bytes, static_cast<uint32_t>(denominator));
  return Raw(ifd, tag, format, 1, bytes);
}

CExifBuilder& CExifBuilder::FirstDirectory(uint32_t offset) {
  first_directory_ = offset;
  return *this;
}

std::vector<uint8_t> CExifBuilder::Block() const {
  std::vector<Entry> ifd0 = ifds_[kIfd0];
  const bool has_sub = !ifds_[kExifIfd].empty();
  if (has_sub) ifd0.push_back({kTagExifOffset, kFormatLong, 1, {}});
  const auto sub_offset = static_cast<uint32_t>(8 + 2 + 12 * ifd0.size() + 4);
  uint32_t values_offset = sub_offset;
  if (has_sub) values_offset += static_cast<uint32_t>(2 + 12 * ifds_[kExifIfd].size() + 4);

  std::vector<uint8_t> out = {static_cast<uint8_t>(big_endian_ ? 'M' : 'I'),
                              static_cast<uint8_t>(big_endian_ ? 'M' : 'I')};
  Put16(out, 42);
  Put32(out, first_directory_);
  std::vector<uint8_t> values;
  auto directory = [&](const std::vector<Entry>& entries) {
    Put16(out, static_cast<uint16_t>(entries.size()));
    for (const Entry& e : entries) {
      Put16(out, e.tag);
      Put16(out, e.format);
      Put32(out, e.count);
      if (e.tag == kTagExifOffset && e.value.empty()) {
        Put32(out, sub_offset);
      } else if (e.value.size() <= 4) {
        std::vector<uint8_t> field = e.value;
        field.resize(4);
        out.insert(out.end(), field.begin(), field.end());
      } else {
        Put32(out, static_cast<uint32_t>(values_offset + values.size()));
        values.insert(values.end(), e.value.begin(), e.value.end());
      }
    }
    Put32(out, 0);  // no next directory
  };
  directory(ifd0);
  if (has_sub) directory(ifds_[kExifIfd]);
  out.insert(out.end(), values.begin(), values.end());
  return out;
}

std::vector<uint8_t> CExifBuilder::Payload() const {
  std::vector<uint8_t> block = Block();
  std::vector<uint8_t> payload = {'E', 'x', 'i', 'f', 0, 0};
  payload.insert(payload.end(), block.begin(), block.end());
  return payload;
}

std::vector<uint8_t> CExifBuilder::Section() const {
  const std::vector<uint8_t> payload = Payload();
  std::vector<uint8_t> section = {static_cast<uint8_t>((payload.size() + 2) >> 8),
                                  static_cast<uint8_t>(payload.size() + 2)};
  section.insert(section.end(), payload.begin(), payload.end());
  return section;
}

void CExifBuilder::Put16(std::vector<uint8_t>& out, uint16_t v) const {
  out.push_back(static_cast<uint8_t>(big_endian_ ? v >> 8 : v));
  out.push_back(static_cast<uint8_t>(big_endian_ ? v : v >> 8));
}

void CExifBuilder::Put32(std::vector<uint8_t>& out, uint32_t v) const {
  Put16(out, static_cast<uint16_t>(big_endian_ ? v >> 16 : v));
  Put16(out, static_cast<uint16_t>(big_endian_ ? v : v >> 16));
}

CExifBuilder CameraExif(bool big_endian) {
  using B = CExifBuilder;
  CExifBuilder b(big_endian);
  b.Raw(B::kIfd0, 271, 2, 8, {'C', 'a', 'n', 'o', 'n', 0, 0, 0})
      .Ascii(B::kIfd0, 272, "PowerShot A70")
      .Rational(B::kExifIfd, 33434, 1, 60)
      .Rational(B::kExifIfd, 33437, 28, 10)
      .Ascii(B::kExifIfd, 36867, "2004:03:07 12:34:56")
      .Rational(B::kExifIfd, 37382, 3, 2)
      .Short(B::kExifIfd, 37385, 0x19)
      .Rational(B::kExifIfd, 37386, 54, 10)
      .Undefined(B::kExifIfd, 37510, std::string("ASCII\0\0\0word   ", 15));
  return b;
}

std::vector<CInfoPair> CameraExifPairs() {
  return {{"Camera make", "Canon"},
          {"Camera model", "PowerShot A70"},
          {"Date", "2004:03:07 12:34:56"},
          {"Aperture", "f 2.8"},
          {"Exposure", "1/60"},
          {"Flash used", "Yes"},
          {"Focal length", " 5.4 mm"},
          {"Distance", " 1.5 m"}};
}
