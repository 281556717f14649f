#include "imaging/gamma_correction.h"

#include <algorithm>
#include <cmath>

std::array<uint8_t, 256> GammaTable(double gamma) {
  std::array<uint8_t, 256> table;
  for (int v = 0; v < 256; ++v) {
    double value = 255.0 * std::pow(v / 255.0, 1.0 / gamma);
    table[v] = static_cast<uint8_t>(std::clamp(value, 0.0, 255.0));
  }
  return table;
}

void ApplyGamma(CPicture& picture, double gamma) {
  if (gamma == 1.0 || !(gamma > 0.0) || !picture.IsWellFormed()) return;
  const std::array<uint8_t, 256> table = GammaTable(gamma);
  if (picture.BitCount() == 8) {
    for (size_t i = 0; i < kPaletteEntries; ++i) {
      uint8_t* entry = &picture.header[kPaletteOffset + 4 * i];
      for (int c = 0; c < 3; ++c) entry[c] = table[entry[c]];
    }
    return;
  }
  const size_t samples = static_cast<size_t>(picture.Width()) * 3;
  for (int32_t y = 0; y < picture.Height(); ++y) {
    uint8_t* row = picture.Row(y);
    for (size_t i = 0; i < samples; ++i) row[i] = table[row[i]];
  }
}
