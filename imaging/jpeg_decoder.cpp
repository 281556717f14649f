#include "imaging/jpeg_decoder.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "base/front_end.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "imaging/jpeg_error.h"
#include "imaging/open_file.h"

namespace {

constexpr int kStatusEveryRows = 100;

// Everything a decode owns, in one object whose address the library and the fatal-error
// jump share, so that nothing lives in registers across the setjmp.
struct CJpegDecode {
  CJpegDecode() { std::memset(&cinfo, 0, sizeof cinfo); }
  ~CJpegDecode() { jpeg_destroy_decompress(&cinfo); }
  CJpegDecode(const CJpegDecode&) = delete;
  CJpegDecode& operator=(const CJpegDecode&) = delete;

  jpeg_decompress_struct cinfo;
  CJpegErrorManager errors;
  std::vector<uint8_t> pixels;
  std::vector<uint8_t> scanline;  // CMYK rows before their conversion
};

// CMYK to blue, green, red. Adobe's programs write CMYK inverted (0 is full ink), and a
// JPEG that carries their marker is read that way.
void CmykRowToBgr(const uint8_t* cmyk, uint8_t* bgr, unsigned width, bool inverted) {
  for (unsigned x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    bgr[0] = static_cast<uint8_t>((y * k + 127) / 255);
    bgr[1] = static_cast<uint8_t>((m * k + 127) / 255);
    bgr[2] = static_cast<uint8_t>((c * k + 127) / 255);
  }
}

int Decode(CJpegDecode& d, CPicture& picture, std::FILE* file, int target_width, int target_height,
           CFrontEnd* front_end) {
  jpeg_decompress_struct& cinfo = d.cinfo;
  cinfo.err = InstallJpegErrorManager(d.errors, front_end);
  if (setjmp(d.errors.fatal)) return 0;  // the message was shown; ~CJpegDecode cleans up
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, file);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.mem->max_memory_to_use = kJpegMemoryLimit;

  picture.file_width = static_cast<int32_t>(cinfo.image_width);
  picture.file_height = static_cast<int32_t>(cinfo.image_height);
  cinfo.scale_num = 1;
  cinfo.scale_denom =
      JpegScaleDenominator(static_cast<int>(cinfo.image_width),
                           static_cast<int>(cinfo.image_height), target_width, target_height);
  // Colour comes out as blue, green, red straight into the rows, which is the library's RGB
  // conversion with the bytes in the picture's order. A colour space the library cannot
  // convert is its own fatal error.
  bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  if (cinfo.jpeg_color_space == JCS_GRAYSCALE) {
    cinfo.out_color_space = JCS_GRAYSCALE;
  } else if (cmyk) {
    cinfo.out_color_space = JCS_CMYK;
  } else {
    cinfo.out_color_space = JCS_EXT_BGR;
  }
  jpeg_start_decompress(&cinfo);

  const unsigned width = cinfo.output_width;
  const unsigned height = cinfo.output_height;
  const int components = cmyk ? 3 : cinfo.output_components;
  const size_t stride = PictureStride(width, components);
  d.pixels.assign(size_t{width + 4} * height * components, 0);
  if (cmyk) d.scanline.resize(size_t{width} * 4);
  const bool inverted = cinfo.saw_Adobe_marker;

  while (cinfo.output_scanline < height) {
    unsigned line = cinfo.output_scanline;
    if (line % kStatusEveryRows == 1 && front_end) {
      front_end->SetStatusText(
          0, StringPrintf(kStatusLoadingPicture, static_cast<int>(line * 100 / height)));
    }
    uint8_t* row = d.pixels.data() + size_t{line} * stride;
    JSAMPROW target = cmyk ? d.scanline.data() : row;
    if (jpeg_read_scanlines(&cinfo, &target, 1) != 1) break;
    if (cmyk) CmykRowToBgr(d.scanline.data(), row, width, inverted);
  }
  jpeg_finish_decompress(&cinfo);

  const int bit_count = components * 8;
  picture.header = MakePictureHeader(
      components == 3 ? kJpegHeaderBlockSize : kPaletteHeaderBlockSize, static_cast<int32_t>(width),
      static_cast<int32_t>(height), bit_count, d.pixels.size());
  if (components != 3) SetGreyPalette(picture.header);
  picture.pixels = std::move(d.pixels);
  return 1;
}

}  // namespace

int JpegScaleDenominator(int width, int height, int target_width, int target_height) {
  if (width <= 0 || height <= 0) return 1;
  float ratio = std::min(static_cast<float>(target_width) / static_cast<float>(width),
                         static_cast<float>(target_height) / static_cast<float>(height));
  float inverse = 1.0f / ratio;  // infinite for an empty box
  if (!(inverse > 1.0f)) return 1;
  if (inverse >= 8.0f) return 8;
  int d = static_cast<int>(inverse);
  return d >= 4 ? 4 : d >= 2 ? 2 : 1;
}

int DecodeJpeg(CPicture& picture, std::FILE* file, int target_width, int target_height,
               CFrontEnd* front_end) {
  auto decode = std::make_unique<CJpegDecode>();
  return Decode(*decode, picture, file, target_width, target_height, front_end);
}

int DecodeJpeg(CPicture& picture, const std::string& path, int target_width, int target_height,
               CFrontEnd* front_end) {
  COpenFile file = OpenForReading(path);
  if (!file) return 0;
  return DecodeJpeg(picture, file.get(), target_width, target_height, front_end);
}
