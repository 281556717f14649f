// Gamma correction of the current picture.
#pragma once

#include <array>
#include <cstdint>

#include "imaging/picture.h"

// table[v] = 255 × (v / 255)^(1 / gamma), truncated.
std::array<uint8_t, 256> GammaTable(double gamma);

// Applies `gamma` to every sample of a 24-bit picture (padding bytes untouched), and to the
// palette of an 8-bit picture, so that palette pictures keep their colours. Gamma 1.0, a
// gamma that is not positive, and a picture that is not well formed are left as they are.
void ApplyGamma(CPicture& picture, double gamma);
