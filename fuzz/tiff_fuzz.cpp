// Fuzz target: the TIFF reader and its conversion into the current picture, then reduction
// and gamma on the result, on arbitrary file bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "imaging/gamma_correction.h"
#include "imaging/picture_reduction.h"
#include "imaging/tiff_picture.h"
#include "imaging/tiff_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!file) return 0;
  CTiff tiff;
  bool read = tiff.ReadTiff(file);
  std::fclose(file);
  if (!read) return 0;
  CPicture picture;
  if (ConvertTiff(picture, tiff)) {
    ReducePicture(picture, 60, 60, false);
    ApplyGamma(picture, 1.5);
  }
  return 0;
}
