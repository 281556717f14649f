#include "imaging/jpeg_writer.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "imaging/jpeg_error.h"

namespace {

// What a compression owns, in one object whose address the library and the fatal-error jump
// share.
struct CJpegEncode {
  CJpegEncode() { std::memset(&cinfo, 0, sizeof cinfo); }
  ~CJpegEncode() {
    jpeg_destroy_compress(&cinfo);
    if (file) std::fclose(file);
  }
  CJpegEncode(const CJpegEncode&) = delete;
  CJpegEncode& operator=(const CJpegEncode&) = delete;

  jpeg_compress_struct cinfo;
  CJpegErrorManager errors;
  std::FILE* file = nullptr;
};

bool Encode(CJpegEncode& e, const CPicture& picture, int quality, CFrontEnd* front_end) {
  jpeg_compress_struct& cinfo = e.cinfo;
  cinfo.err = InstallJpegErrorManager(e.errors, front_end);
  if (setjmp(e.errors.fatal)) return false;
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, e.file);
  const int components = picture.BitCount() / 8;
  cinfo.mem->max_memory_to_use = kJpegMemoryLimit;
  // The rows go to the library as they are: blue, green, red is one of its input orders.
  cinfo.in_color_space = components == 3 ? JCS_EXT_BGR : JCS_GRAYSCALE;
  cinfo.input_components = components;
  jpeg_set_defaults(&cinfo);
  cinfo.image_width = static_cast<JDIMENSION>(picture.Width());
  cinfo.image_height = static_cast<JDIMENSION>(picture.Height());
  cinfo.data_precision = 8;
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    // The library only reads the rows it is given.
    JSAMPROW row = const_cast<uint8_t*>(picture.Row(static_cast<int32_t>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  return true;
}

}  // namespace

bool SaveJpeg(const CPicture& picture, const std::string& path, int quality, CFrontEnd* front_end) {
  if (!picture.IsWellFormed()) return false;
  auto encode = std::make_unique<CJpegEncode>();
  encode->file = std::fopen(path.c_str(), "wb");
  if (!encode->file) return false;
  bool written = Encode(*encode, picture, quality, front_end);
  // A full disk shows only when the buffered bytes are flushed.
  written = std::fclose(encode->file) == 0 && written;
  encode->file = nullptr;
  if (!written) std::remove(path.c_str());
  return written;
}
