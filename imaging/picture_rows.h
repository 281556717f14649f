// The rows of a picture as red-green-blue bytes, for whatever shows or writes the picture
// elsewhere (the screen, the clipboard, a PDF file).
#pragma once

#include <cstdint>

#include "imaging/picture.h"

// Writes row `y` of a well-formed picture as width × 3 bytes of red, green, blue into `rgb`:
// a 24-bit row with its blue and red swapped, an 8-bit row through the palette.
// REQUIRES: picture.IsWellFormed(), 0 <= y < picture.Height().
void PictureRowRgb(const CPicture& picture, int32_t y, uint8_t* rgb);
