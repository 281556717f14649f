// Fuzz target: JPEG decoding into the current picture on arbitrary file bytes, with the
// library's messages going to a front end, then reduction and gamma on the result. The
// first byte chooses the target box, so every decoder scale is reached.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "base/silent_front_end.h"
#include "imaging/gamma_correction.h"
#include "imaging/jpeg_decoder.h"
#include "imaging/picture_reduction.h"

namespace {

constexpr int kBoxes[4][2] = {{60, 60}, {300, 300}, {1600, 1000}, {3000, 3000}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int* box = kBoxes[data[0] % 4];
  std::FILE* file = fmemopen(const_cast<uint8_t*>(data + 1), size - 1, "rb");
  if (!file) return 0;
  CSilentFrontEnd front_end;
  CPicture picture;
  int decoded = DecodeJpeg(picture, file, box[0], box[1], &front_end);
  std::fclose(file);
  if (decoded) {
    ReducePicture(picture, box[0], box[1], false);
    ApplyGamma(picture, 0.8);
  }
  return 0;
}
