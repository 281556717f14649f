// Turning an uncompressed TIFF into the current picture.
#pragma once

#include <string>

#include "imaging/picture.h"

class CTiff;

// Reads the TIFF file at `path` with CTiff and converts it into `picture`, which must be
// empty. The file's size is recorded whether or not the file could be read. Returns 1 when a
// picture was made, 0 when the file was refused or its photometric interpretation is not
// greyscale (1), RGB (2) or palette (3); then the picture stays empty. No message is shown.
int ConvertTiff(CPicture& picture, const std::string& path);

// The conversion of a TIFF that ReadTiff accepted: greyscale and palette pictures become
// 8-bit pictures (the grey palette, or the colour map's high bytes), RGB pictures 24-bit
// blue-green-red ones. A palette picture without a colour map is refused.
int ConvertTiff(CPicture& picture, const CTiff& tiff);
