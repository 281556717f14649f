#include "imaging/picture_testing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "imaging/exif_block_testing.h"
#include "imaging/tiff_reader.h"

std::string WriteBytes(const CTempDir& folder, const std::string& name,
                       const std::vector<uint8_t>& bytes) {
  return folder.Write(name, std::string(bytes.begin(), bytes.end()));
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::optional<std::string> content = CTempDir::Read(path);
  if (!content) return {};
  return std::vector<uint8_t>(content->begin(), content->end());
}

std::vector<uint8_t> EncodeTestJpeg(const CTestJpeg& jpeg) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(jpeg.width);
  cinfo.image_height = static_cast<JDIMENSION>(jpeg.height);
  cinfo.in_color_space = jpeg.color_space;
  cinfo.input_components = jpeg.color_space == JCS_GRAYSCALE ? 1
                           : jpeg.color_space == JCS_CMYK    ? 4
                                                             : 3;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, jpeg.quality, TRUE);
  if (jpeg.stored != JCS_UNKNOWN) jpeg_set_colorspace(&cinfo, jpeg.stored);
  if (jpeg.progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  if (!jpeg.app1.empty()) {
    jpeg_write_marker(&cinfo, JPEG_APP0 + 1, jpeg.app1.data(),
                      static_cast<unsigned>(jpeg.app1.size()));
  }
  const size_t row_bytes = static_cast<size_t>(jpeg.width) * cinfo.input_components;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<uint8_t*>(&jpeg.samples[cinfo.next_scanline * row_bytes]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return bytes;
}

std::vector<uint8_t> ExifWithDate(const std::string& date_taken) {
  constexpr uint16_t kTagDateTimeOriginal = 36867;
  return CExifBuilder(false)
      .Ascii(CExifBuilder::kExifIfd, kTagDateTimeOriginal, date_taken)
      .Payload();
}

namespace {

struct CCircle {
  double x, y, radius;
  uint8_t rgb[3];
};

// A small deterministic generator: the noise must be the same in every run.
class CNoise {
 public:
  int Next(int range) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state_ >> 33) % static_cast<uint64_t>(range));
  }

 private:
  uint64_t state_ = 88172645463325252ULL;
};

}  // namespace

void WriteCameraJpeg(const std::string& path, int width, int height, uint64_t seed,
                     const std::vector<uint8_t>& app1) {
  CNoise noise;
  for (uint64_t i = 0; i < seed; ++i) noise.Next(2);
  std::vector<CCircle> circles(40);
  for (CCircle& c : circles) {
    c.x = noise.Next(width);
    c.y = noise.Next(height);
    c.radius = 20 + noise.Next(height / 6);
    for (uint8_t& v : c.rgb) v = static_cast<uint8_t>(noise.Next(256));
  }

  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  if (!app1.empty()) {
    jpeg_write_marker(&cinfo, JPEG_APP0 + 1, app1.data(), static_cast<unsigned>(app1.size()));
  }

  std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      double ripple = 30 * std::sin(x * 0.01 + y * 0.013);
      int base[3] = {x * 200 / width + 20, y * 180 / height + 30,
                     (x + y) * 150 / (width + height) + 50};
      for (int c = 0; c < 3; ++c) {
        int v = base[c] + static_cast<int>(ripple) + noise.Next(25) - 12;
        row[x * 3 + c] = static_cast<uint8_t>(std::clamp(v, 0, 255));
      }
    }
    for (const CCircle& c : circles) {
      double dy = y - c.y;
      if (std::abs(dy) >= c.radius) continue;
      double half = std::sqrt(c.radius * c.radius - dy * dy);
      int from = std::max(0, static_cast<int>(c.x - half));
      int to = std::min(width, static_cast<int>(c.x + half));
      for (int x = from; x < to; ++x) {
        for (int k = 0; k < 3; ++k) {
          row[x * 3 + k] = static_cast<uint8_t>(std::clamp(c.rgb[k] + noise.Next(9) - 4, 0, 255));
        }
      }
    }
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&cinfo, &pointer, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::fclose(file);
}

int BareJpegDecodeEighth(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return -1;
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, file);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.scale_num = 1;
  cinfo.scale_denom = 8;
  jpeg_start_decompress(&cinfo);
  std::vector<uint8_t> row(size_t{cinfo.output_width} * cinfo.output_components);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW pointer = row.data();
    jpeg_read_scanlines(&cinfo, &pointer, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  std::fclose(file);
  return row.empty() ? 0 : row[0];
}

CTestJpeg GradientJpeg(int width, int height, J_COLOR_SPACE color_space) {
  CTestJpeg jpeg;
  jpeg.width = width;
  jpeg.height = height;
  jpeg.color_space = color_space;
  int components = color_space == JCS_GRAYSCALE ? 1 : color_space == JCS_CMYK ? 4 : 3;
  jpeg.samples.resize(static_cast<size_t>(width) * height * components);
  size_t i = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < components; ++c) {
        jpeg.samples[i++] = static_cast<uint8_t>(
            (x * 255 / std::max(width - 1, 1) + c * 80 + y * 128 / std::max(height - 1, 1)) % 256);
      }
    }
  }
  return jpeg;
}

CTestJpeg CornerJpeg(int width, int height) {
  CTestJpeg jpeg{width, height};
  jpeg.samples.reserve(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool corner = x < width / 2 && y < height / 2;
      jpeg.samples.insert(jpeg.samples.end(),
                          {uint8_t(corner ? 230 : 20), 20, uint8_t(corner ? 20 : 230)});
    }
  }
  return jpeg;
}

uint32_t CTiffBuilder::AddBytes(const std::vector<uint8_t>& bytes) {
  auto offset = static_cast<uint32_t>(8 + data_.size());
  data_.insert(data_.end(), bytes.begin(), bytes.end());
  if (data_.size() % 2) data_.push_back(0);  // TIFF offsets are even
  return offset;
}

uint32_t CTiffBuilder::AddShorts(const std::vector<uint16_t>& values) {
  std::vector<uint8_t> bytes;
  for (uint16_t value : values) Put16(bytes, value);
  return AddBytes(bytes);
}

uint32_t CTiffBuilder::AddLongs(const std::vector<uint32_t>& values) {
  std::vector<uint8_t> bytes;
  for (uint32_t value : values) Put32(bytes, value);
  return AddBytes(bytes);
}

void CTiffBuilder::Entry(uint16_t tag, uint16_t type, uint32_t count, uint32_t value) {
  std::vector<uint8_t> field;
  if (type == kTiffTypeShort && count <= 2 && value <= 0xFFFF) {
    Put16(field, static_cast<uint16_t>(value));
    Put16(field, 0);
  } else {
    Put32(field, value);
  }
  entries_.push_back({tag, type, count, field});
}

void CTiffBuilder::ShortPairEntry(uint16_t tag, uint16_t first, uint16_t second) {
  std::vector<uint8_t> field;
  Put16(field, first);
  Put16(field, second);
  entries_.push_back({tag, kTiffTypeShort, 2, field});
}

std::vector<uint8_t> CTiffBuilder::Build() const {
  std::vector<uint8_t> out;
  out.push_back(big_endian_ ? 'M' : 'I');
  out.push_back(big_endian_ ? 'M' : 'I');
  Put16(out, kTiffMagic);
  Put32(out, static_cast<uint32_t>(8 + data_.size()));
  out.insert(out.end(), data_.begin(), data_.end());
  Put16(out, static_cast<uint16_t>(entries_.size()));
  for (const Item& item : entries_) {
    Put16(out, item.tag);
    Put16(out, item.type);
    Put32(out, item.count);
    out.insert(out.end(), item.value_field.begin(), item.value_field.end());
  }
  Put32(out, 0);  // no next directory
  return out;
}

void CTiffBuilder::Put16(std::vector<uint8_t>& out, uint16_t value) const {
  uint8_t high = static_cast<uint8_t>(value >> 8), low = static_cast<uint8_t>(value);
  out.push_back(big_endian_ ? high : low);
  out.push_back(big_endian_ ? low : high);
}

void CTiffBuilder::Put32(std::vector<uint8_t>& out, uint32_t value) const {
  if (big_endian_) {
    Put16(out, static_cast<uint16_t>(value >> 16));
    Put16(out, static_cast<uint16_t>(value));
  } else {
    Put16(out, static_cast<uint16_t>(value));
    Put16(out, static_cast<uint16_t>(value >> 16));
  }
}

std::vector<uint8_t> BuildTestTiff(const CTestTiff& tiff) {
  CTiffBuilder builder(tiff.big_endian);
  const size_t row_bytes = tiff.samples.size() / std::max<uint32_t>(tiff.height, 1);
  const uint32_t rows_per_strip = (tiff.height + tiff.strips - 1) / tiff.strips;
  std::vector<uint32_t> offsets, counts;
  for (uint32_t row = 0; row < tiff.height; row += rows_per_strip) {
    uint32_t rows = std::min(rows_per_strip, tiff.height - row);
    auto begin = tiff.samples.begin() + static_cast<std::ptrdiff_t>(row * row_bytes);
    offsets.push_back(builder.AddBytes(std::vector<uint8_t>(begin, begin + rows * row_bytes)));
    counts.push_back(static_cast<uint32_t>(rows * row_bytes));
  }
  uint32_t map_offset = tiff.color_map.empty() ? 0 : builder.AddShorts(tiff.color_map);
  auto table = [&](const std::vector<uint32_t>& values) -> uint32_t {
    if (values.size() == 1) return values[0];
    if (!tiff.short_strip_tables) return builder.AddLongs(values);
    return builder.AddShorts(std::vector<uint16_t>(values.begin(), values.end()));
  };
  uint32_t offsets_value = table(offsets);
  uint32_t counts_value = table(counts);
  const uint16_t table_type = tiff.short_strip_tables ? kTiffTypeShort : kTiffTypeLong;
  builder.Entry(kTiffTagImageWidth, kTiffTypeLong, 1, tiff.width);
  builder.Entry(kTiffTagImageLength, kTiffTypeShort, 1, tiff.height);
  builder.Entry(kTiffTagCompression, kTiffTypeShort, 1, tiff.compression);
  builder.Entry(kTiffTagPhotometric, kTiffTypeShort, 1, tiff.photometric);
  builder.Entry(kTiffTagStripOffsets, table_type, static_cast<uint32_t>(offsets.size()),
                offsets_value);
  builder.Entry(kTiffTagStripByteCounts, table_type, static_cast<uint32_t>(counts.size()),
                counts_value);
  if (map_offset) {
    builder.Entry(kTiffTagColorMap, kTiffTypeShort, static_cast<uint32_t>(tiff.color_map.size()),
                  map_offset);
  }
  return builder.Build();
}

std::vector<uint8_t> PixelAt(const CPicture& picture, int x, int y) {
  int b = picture.BytesPerPixel();
  const uint8_t* p = picture.Row(y) + static_cast<size_t>(x) * b;
  return std::vector<uint8_t>(p, p + b);
}

void PrintTo(const CInfoPair& pair, std::ostream* out) {
  *out << "{\"" << pair.label << "\", \"" << pair.value << "\"}";
}
