// The program's pictures (top-down device-independent bitmaps, 24-bit blue-green-red or
// 8-bit with a palette) as wx images, for painting and the clipboard.
#pragma once

#include <wx/image.h>

struct CPicture;

// The picture as an RGB image; an invalid image when there is no well-formed picture.
wxImage ImageOfPicture(const CPicture& picture);
